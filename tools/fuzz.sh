#!/bin/sh
# Runs the key-rule fuzzer for SECONDS (default 600) over its corpus and prints its figures.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build" >/dev/null
cmake --build "$top/build" --target fuzz_keys -j"$(nproc)"
mkdir -p "$top/build/fuzz-corpus"
cd "$top/build"
exec ./fuzz_keys -max_total_time="$seconds" -print_final_stats=1 fuzz-corpus "$top/tests/fuzz/corpus"
