#!/usr/bin/env bash
# Collects every tr() / QT_TRANSLATE_NOOP text of src/ into
# translations/trv630_en.ts (Polish source texts, English translations).
# Run by hand after adding or changing interface texts, then fill in the new
# English entries (Qt Linguist, or by editing the file) and commit the .ts.
# The build compiles the .ts; it never runs this script.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || true)
if [ -z "$lupdate" ]; then
  echo "lupdate (Qt 6) not found: apt-get install qt6-l10n-tools" >&2
  exit 1
fi
cd "$top"
"$lupdate" -silent -locations none -no-ui-lines -source-language pl_PL -target-language en_GB \
  -extensions cpp,h src -ts translations/trv630_en.ts "$@"
# Report what still needs an English text.
unfinished=$(grep -c 'type="unfinished"' translations/trv630_en.ts || true)
echo "translations/trv630_en.ts: $unfinished entries without an English text"
