#!/bin/sh
# Every text in the code has a translation in every language: lupdate, run on copies of the
# .ts files, must find nothing new, nothing vanished and nothing unfinished. And every
# translation keeps exactly the numbers its source fills in, %1 to %9 (lrelease does not look):
# one lost or mistyped would show a wrong number, or a bare "%3", to the player.
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
python3 - "$work"/*.ts <<'PY' || status=1
import re, sys, xml.etree.ElementTree as ET
bad = 0
for path in sys.argv[1:]:
    for message in ET.parse(path).getroot().iter("message"):
        source = message.findtext("source")
        want = sorted(set(re.findall(r"%[1-9]", source)))
        translation = message.find("translation")
        forms = translation.findall("numerusform") or [translation]
        for form in forms:
            got = sorted(set(re.findall(r"%[1-9]", form.text or "")))
            if got != want:
                bad += 1
                print(f"{path.rsplit('/', 1)[-1]}: {' '.join(got) or 'none'} where the source has "
                      f"{' '.join(want) or 'none'}: {(form.text or '')[:70]!r}")
sys.exit(1 if bad else 0)
PY
[ $status -eq 0 ] && echo "every text translated in: $(cd "$work" && ls *.ts | tr '\n' ' ')"
exit $status
