#!/bin/sh
# Installs whatever the build, the game and its tests need from Debian and is missing.
# Quick when everything is there already; uses sudo when not run as root.
set -e
packages="cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 clang libclang-rt-14-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox imagemagick poppler-utils sox valgrind python3
  desktop-file-utils appstream pulseaudio pulseaudio-utils libxcb1-dev icewm
  libxtst-dev libxdamage-dev at-spi2-core python3-pyatspi dbus"
missing=""
for p in $packages; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  case "$status" in *"ok installed"*) ;; *) missing="$missing $p" ;; esac
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
