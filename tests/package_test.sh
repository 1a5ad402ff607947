#!/bin/sh
# The Debian package from outside: built with tools/package.sh (lintian clean), installed with
# apt-get as a school's IT person would, the installed game started, then removed, leaving
# nothing behind. It installs on this machine, so it needs root (or sudo without a password)
# and skips, saying so, where it has neither or where zarvok is installed already.
# Usage: package_test.sh SOURCE_DIR OUT_DIR
set -e
root=$1 out=$2
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then sudo="sudo -n"; else
    echo "SKIPPED: installing the package needs root or sudo without a password"
    exit 77
  fi
fi
if dpkg-query -W -f='${Status}' zarvok 2>/dev/null | grep -q 'ok installed'; then
  echo "SKIPPED: zarvok is installed on this machine already, and the test would remove it"
  exit 77
fi
"$root/tools/package.sh" "$out"
deb=$(ls "$out"/zarvok_*.deb)
# What the package needs at run time is libraries, fonts and Qt's plugins, no build tools.
depends=$(dpkg-deb -f "$deb" Depends)
if echo "$depends" | grep -q -- '-dev\|cmake\|g++'; then
  echo "the package depends on build tools: $depends"
  exit 1
fi

$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
files=$(dpkg -L zarvok)
status=0
/usr/games/zarvok --version | grep -qx 'zarvok 1.0.0.1' || { echo "the installed --version is wrong"; status=1; }
QT_QPA_PLATFORM=offscreen ZARVOK_REPORT_FIRST_PAINT=exit XDG_RUNTIME_DIR=$(mktemp -d) \
  /usr/games/zarvok --lang de --problem 3 2>"$out/run.log" || status=1
grep -q 'first paint done' "$out/run.log" || { echo "the installed game did not paint:"; cat "$out/run.log"; status=1; }
test -f /usr/share/man/man6/zarvok.6.gz || { echo "no man page"; status=1; }

$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq zarvok >/dev/null
for f in $files; do
  if [ ! -d "$f" ] && [ -e "$f" ]; then echo "left behind: $f"; status=1; fi
done
left=$(dpkg-query -W -f='${Status}' zarvok 2>/dev/null || true)
case "$left" in *not-installed*|"") ;; *) echo "dpkg still knows zarvok: $left"; status=1 ;; esac
[ $status -eq 0 ] && echo "installed, started (/usr/games/zarvok), removed: nothing left"
exit $status
