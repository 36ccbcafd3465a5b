#!/usr/bin/env bash
# Every text of the program has a finished translation in each language's
# .ts: the texts are gathered from the sources again (lupdate, as
# scripts/update-translations.sh does) into a copy of the file, which must
# then hold no unfinished, empty or vanished message and no new one.
#   check-translations.sh SOURCE_DIR
set -euo pipefail
src=$1
lupdate=$(command -v lupdate-qt6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
for ts in "$src"/resources/translations/huebrook_*.ts; do
  lang=$(basename "$ts" .ts); lang=${lang#huebrook_}
  cp "$ts" "$work/check.ts"
  "$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=Tr \
    -source-language ja -target-language "$lang" "$src/src" -ts "$work/check.ts"
  if ! cmp -s "$ts" "$work/check.ts"; then
    echo "FAIL: $(basename "$ts") is not up to date with the sources (scripts/update-translations.sh $lang):" >&2
    diff "$ts" "$work/check.ts" | head -40 >&2 || true
    fail=1
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$work/check.ts" >&2; then
    echo "FAIL: $(basename "$ts") has texts without a finished translation" >&2
    fail=1
  fi
  echo "$(basename "$ts"): $(grep -c '<message>' "$work/check.ts") texts"
done
exit $fail
