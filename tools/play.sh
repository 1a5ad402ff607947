#!/bin/sh
# Installs what the game needs and is missing, builds it, and starts it (any arguments go to
# the game). The tests and their tools are left out: ./tools/test.sh brings those.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh" game
cmake -S "$top" -B "$top/build-game" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARVO_TESTS=OFF \
  -DZARVO_BENCH=OFF >/dev/null
cmake --build "$top/build-game" --target zarvok -j"$(nproc)"
exec "$top/build-game/zarvok" "$@"
