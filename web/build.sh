#!/bin/sh
# Builds the page into one folder of static files: build.sh SOURCE_DIR OUT_DIR.
# emcc compiles the same puzzle/, board/ and print/ sources as the desktop; the translations
# come from the same .ts files, the cues from the same tools/make_cues.cpp, and the font is
# Debian's Liberation Sans.
set -e
src=$1
out=$2
site="$out/site"
mkdir -p "$out/obj" "$site/cues"
# Where node is not Debian's own, emcc finds its JavaScript parser there.
[ -d /usr/share/nodejs ] && export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

python3 "$src/web/ts_to_cpp.py" "$out/translations.cpp" "$src"/resources/translations/zarvok_*.ts
c++ -std=c++20 -O2 -o "$out/make_cues" "$src/tools/make_cues.cpp"
"$out/make_cues" "$site/cues"

flags="-std=c++20 -O2 -Wall -Wextra -Wpedantic -I$src"
objects=""
for f in puzzle/problem_table puzzle/game puzzle/story puzzle/speech puzzle/text \
         board/text_layout board/recording_surface board/cell_filter board/layout board/board board/overlay board/paint \
         board/key_path \
         print/results_page web/canvas_surface web/main; do
  o="$out/obj/$(echo "$f" | tr / _).o"
  if [ ! -f "$o" ] || [ "$src/$f.cpp" -nt "$o" ] || [ -n "$(find "$src/board" "$src/puzzle" "$src/print" "$src/web" -name '*.h' -newer "$o")" ]; then
    emcc $flags -c "$src/$f.cpp" -o "$o"
  fi
  objects="$objects $o"
done
emcc $flags -c "$out/translations.cpp" -o "$out/obj/translations.o"
emcc -O2 $objects "$out/obj/translations.o" -o "$site/zarvo.js" \
  -sMODULARIZE=1 -sEXPORT_NAME=createZarvo -sENVIRONMENT=web -sALLOW_MEMORY_GROWTH=1 \
  -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=ccall,cwrap,UTF8ToString,allocateUTF8

fonts=/usr/share/fonts/truetype/liberation2
cp "$fonts/LiberationSans-Regular.ttf" "$fonts/LiberationSans-Bold.ttf" "$site/"
cp "$src/web/index.html" "$src/web/shell.js" "$src/web/sw.js" "$site/"
cp "$src/resources/icons/zarvok-128.png" "$site/icon.png"
# The service worker's cache is named after what it holds, so a new build replaces the old one.
version=$(cat "$site"/*.js "$site"/*.wasm "$site/index.html" | sha256sum | cut -c1-12)
sed -i "s/@VERSION@/$version/" "$site/sw.js"
