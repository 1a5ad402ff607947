#!/bin/sh
# Installs what the page needs and is missing (Debian's emscripten), builds it into build-web/,
# and serves it on http://127.0.0.1:8000 (--port N for another port; --build-only to stop after
# building). The folder build-web/site is the whole page: any web server can host it.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
port=8000
serve=1
while [ $# -gt 0 ]; do
  case "$1" in
    --port) port=$2; shift 2 ;;
    --port=*) port=${1#--port=}; shift ;;
    --build-only) serve=0; shift ;;
    *) echo "usage: tools/web.sh [--port N] [--build-only]" >&2; exit 2 ;;
  esac
done
"$top/tools/setup.sh" web
sh "$top/web/build.sh" "$top" "$top/build-web"
[ "$serve" = 1 ] || exit 0
echo "Zarvo is served on http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$top/build-web/site"
