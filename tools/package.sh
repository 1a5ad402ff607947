#!/bin/sh
# Builds the Debian package the Debian way (dpkg-buildpackage, debhelper) from this working
# tree, checks it with lintian, and leaves zarvok_1.0.0.1-1_amd64.deb in build-deb/ (or the
# folder given). Installs the packaging tools first when they are missing.
#
#   ./tools/package.sh [OUTDIR]
#   sudo apt-get install ./build-deb/zarvok_1.0.0.1-1_amd64.deb
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build-deb}" && cd "${1:-$root/build-deb}" && pwd)
"$root/tools/setup.sh" package

version=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Version)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A clean copy, so that the build never sees (or writes into) the developer's build folders.
mkdir "$work/zarvok"
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude='./obj-*' -cf - . |
  tar -C "$work/zarvok" -xf -
(cd "$work/zarvok" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$out/build.log" 2>&1 || {
  tail -40 "$out/build.log"
  exit 1
}
deb="zarvok_${version}_$(dpkg --print-architecture).deb"
cp "$work/$deb" "$out/"
echo "built $out/$deb"
lintian --fail-on error,warning --display-info "$out/$deb"
echo "lintian: no errors, no warnings"
