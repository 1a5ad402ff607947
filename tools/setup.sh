#!/bin/sh
# Installs whatever is missing from Debian: with "game", only what building and running the
# game needs; with "web", what building the web page needs; with "package", the game's and the
# Debian packaging tools; otherwise also everything the tests, benchmarks and tools use.
# Quick when everything is there already; uses sudo when not run as root.
set -e
game="cmake make g++ pkg-config qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  libxcb1-dev libfontconfig-dev fonts-liberation2 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n"
tests="libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  xvfb xauth x11-utils x11-xserver-utils xdotool openbox icewm imagemagick poppler-utils sox
  wmctrl xfwm4 marco mate-settings-daemon-common mate-themes mutter metacity kwin-x11 kwin-style-breeze
  valgrind python3 desktop-file-utils appstream pulseaudio pulseaudio-utils
  libxtst-dev libxdamage-dev at-spi2-core dbus orca speech-dispatcher speech-dispatcher-espeak-ng
  espeak-ng weston qt6-wayland
  debhelper dpkg-dev fakeroot lintian devscripts xserver-xorg-core xserver-xorg-video-dummy
  chromium chromium-driver python3-selenium"
web="emscripten g++ python3 fonts-liberation2"
package="debhelper dpkg-dev fakeroot lintian devscripts"
case "$1" in
  game) packages="$game" ;;
  web) packages="$web" ;;
  package) packages="$game $package" ;;
  *) packages="$game $web $tests" ;;
esac
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
