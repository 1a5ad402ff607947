#!/bin/sh
# Builds in release mode and prints the performance table (add --quick for a shorter run).
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build-release" -DCMAKE_BUILD_TYPE=Release -DZARVO_TESTS=OFF >/dev/null
cmake --build "$top/build-release" -j"$(nproc)"
exec python3 "$top/tools/bench.py" "$top/build-release" "$@"
