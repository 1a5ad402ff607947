#!/bin/sh
# Installs what is missing, builds, and starts the game (any arguments go to the game).
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" --target zarvok -j"$(nproc)"
exec "$top/build/zarvok" "$@"
