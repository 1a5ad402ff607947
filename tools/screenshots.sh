#!/bin/sh
# Builds the game and keeps screenshots of it at four screen sizes in OUTDIR (default
# ./screenshots): the start with the story, and problem 21 solved.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build" >/dev/null
cmake --build "$top/build" --target zarvok -j"$(nproc)"
exec python3 "$top/tools/screenshots.py" "$top/build/zarvok" "${1:-screenshots}"
