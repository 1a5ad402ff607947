#!/bin/sh
# Installs what is missing, builds, and runs every test: once in a normal build and once
# built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$top/tools/setup.sh"

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$top/build" -j"$jobs"
(cd "$top/build" && ctest --output-on-failure -j"$jobs")

[ "${ZARVO_SKIP_SANITIZERS:-0}" = 1 ] && exit 0
"$top/tools/sanitize.sh"
