#!/bin/sh
# Installs into a temporary prefix and checks the desktop entry, the AppStream metadata and the
# icons with the validators a distribution would use.
set -e
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
test -x "$prefix/bin/zarvok"
test -f "$prefix/lib/zarvok/zarvok_sound.so" || test -f "$prefix"/lib/*/zarvok/zarvok_sound.so
desktop-file-validate "$prefix/share/applications/zarvok.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/io.github.zarvo.zarvok.metainfo.xml"
for size in 16 32 48 128; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/zarvok.png"
  identify -format '%w %h\n' "$icon" | grep -qx "$size $size"
done
desktop="$prefix/share/applications/zarvok.desktop"
# One main category, so that menus list the game once; the name and summary in every language
# the game speaks.
main=$(sed -n 's/^Categories=//p' "$desktop" | tr ';' '\n' |
  grep -cx 'AudioVideo\|Audio\|Video\|Development\|Education\|Game\|Graphics\|Network\|Office\|Science\|Settings\|System\|Utility')
test "$main" -eq 1
for lang in $(ls "$(dirname "$0")/../resources/translations" |
              sed -n 's/^zarvok_\(.*\)\.ts$/\1/p' | grep -vx pseudo); do
  grep -q "^Name\[$lang\]=" "$desktop"
  grep -q "^Comment\[$lang\]=" "$desktop"
  grep -q "<summary xml:lang=\"$lang\">" "$prefix/share/metainfo/io.github.zarvo.zarvok.metainfo.xml"
done
echo "1 passed, 0 failed"
