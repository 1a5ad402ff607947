#!/bin/sh
# Installs into a temporary prefix and checks the desktop entry, the AppStream metadata and the
# icons with the validators a distribution would use.
set -e
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/zarvok"
desktop-file-validate "$prefix/share/applications/zarvok.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/io.github.zarvo.zarvok.metainfo.xml"
for size in 16 32 48 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zarvok.png"
  identify -format '%w %h\n' "$icon" | grep -qx "$size $size"
done
grep -q '^Categories=Game;Education;' "$prefix/share/applications/zarvok.desktop"
echo "1 passed, 0 failed"
