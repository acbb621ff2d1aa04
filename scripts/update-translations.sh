#!/usr/bin/env bash
# Refreshes every catalogue in translations/ from the sources: new texts arrive unfinished, texts
# gone from the sources leave. Other catalogues may be named instead (the catalogue test refreshes
# copies to see whether anything is missing).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
[ -x "$lupdate" ] || lupdate="$(command -v lupdate)"
refresh() {
    # Locations are left out, so a change elsewhere in a file does not touch every catalogue.
    "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
        -tr-function-alias QT_TRANSLATE_NOOP+=TAVLORA_TRANSLATABLE -I . \
        board game platform scores shell desktop "$@"
}
if [ $# -eq 0 ]; then
    # The English catalogue takes only the texts with plural forms; every other is its own source.
    refresh -pluralonly -ts translations/english/tavlora_en.ts
    set -- translations/tavlora_*.ts
fi
refresh -ts "$@"
