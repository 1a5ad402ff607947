#!/bin/sh
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DZARVO_SANITIZE=ON -DZARVO_BENCH=OFF >/dev/null
cmake --build "$top/build-asan" -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
(cd "$top/build-asan" && ctest --output-on-failure -j"$jobs" -LE slow)
