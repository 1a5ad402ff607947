#!/bin/sh
# Every text in the code has a translation in every language: lupdate, run on copies of the
# .ts files, must find nothing new, nothing vanished and nothing unfinished.
# Usage: translations_complete.sh LUPDATE SOURCE_DIR WORK_DIR [lupdate options...]
set -e
lupdate=$1 source=$2 work=$3
shift 3
rm -rf "$work" && mkdir -p "$work"
cp "$source"/resources/translations/*.ts "$work"/
status=0
for ts in "$work"/*.ts; do
  "$lupdate" "$@" "$source/puzzle" "$source/board" "$source/print" "$source/app" -ts "$ts" \
    >"$ts.log" 2>&1 || { cat "$ts.log"; exit 1; }
  left=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" || true)
  if [ "$left" -ne 0 ]; then
    echo "$(basename "$ts"): $left texts without a translation:"
    grep -B2 'type="unfinished"' "$ts" | grep '<source>' | head -20
    status=1
  fi
done
[ $status -eq 0 ] && echo "every text translated in: $(cd "$work" && ls *.ts | tr '\n' ' ')"
exit $status
