#!/bin/sh
# Builds in release mode and prints the performance table (add --quick for a shorter run).
# With --web: the web page's table instead (a key in the page against the desktop's view, and
# the load to the first paint), in a headless chromium.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
cmake -S "$top" -B "$top/build-release" -DCMAKE_BUILD_TYPE=Release -DZARVO_TESTS=OFF >/dev/null
cmake --build "$top/build-release" -j"$(nproc)"
if [ "$1" = --web ]; then
  shift
  "$top/tools/web.sh" --build-only
  render=$(find "$top/build-release" -name render_state -type f -perm -u+x | head -n 1)
  exec /usr/bin/python3 "$top/bench/web_bench.py" "$top/build-web/site" "$render" "$@"
fi
exec python3 "$top/tools/bench.py" "$top/build-release" "$@"
