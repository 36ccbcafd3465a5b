#!/usr/bin/env bash
# Brings resources/translations/huebrook_<lang>.ts up to date with the
# sources (new texts added as unfinished, vanished ones dropped).
#   scripts/update-translations.sh [lang]     (default: en)
set -euo pipefail
cd "$(dirname "$0")/.."
lang=${1:-en}
lupdate=$(command -v lupdate-qt6 || command -v /usr/lib/qt6/bin/lupdate || command -v lupdate)
# Tr() is the core's translate(): the same context and source arguments.
"$lupdate" -silent -locations none -no-obsolete -tr-function-alias translate+=Tr \
  -source-language ja -target-language "$lang" \
  src -ts "resources/translations/huebrook_$lang.ts"
