#!/usr/bin/env bash
# Collects the interface's texts from every source folder into the translation
# files in res/translations (lupdate), keeping the translations already made.
#   update-translations.sh          rewrites the files in place
#   update-translations.sh --check  changes nothing; fails when a file is not
#                                   up to date with the sources or a text has
#                                   no translation yet
# LUPDATE names the lupdate program (default: Qt 6's on Debian).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
# Tr and TrMark (platform/Translation.h) take the same arguments as Qt's
# translate and QT_TRANSLATE_NOOP. Includes are named from the top folder
# ("ui/dialogs/X.h"): with -I . lupdate reads the class a .cpp defines members of.
options=(-tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TrMark -I . -locations none -no-obsolete -silent)
folders=(platform model engine exec app ui cli)

check=false
[ "${1:-}" = "--check" ] && check=true

# lupdate notes every out-of-line member of a class it has not seen, and takes
# a function returning a Qt class's nested type for a member of that class; a
# context it got wrong would show as a change of the file, which --check fails.
run_lupdate() {
  "$lupdate" "${options[@]}" "${folders[@]}" -ts "$1" \
    2> >(grep -v -e 'Ignoring definition of undeclared' -e 'Qualifying with unknown namespace/class' >&2)
}

status=0
for ts in res/translations/*.ts; do
  if ! $check; then
    run_lupdate "$ts"
    continue
  fi
  work=$(mktemp -d)
  cp "$ts" "$work/"
  run_lupdate "$work/$(basename "$ts")"
  if ! cmp -s "$ts" "$work/$(basename "$ts")"; then
    echo "$ts is not up to date with the sources; run scripts/update-translations.sh:" >&2
    diff -u "$ts" "$work/$(basename "$ts")" | head -40 >&2 || true
    status=1
  fi
  untranslated=$(grep -c 'type="unfinished"' "$work/$(basename "$ts")" || true)
  if [ "$untranslated" -ne 0 ]; then
    echo "$ts: $untranslated texts without a translation:" >&2
    grep -B3 'type="unfinished"' "$work/$(basename "$ts")" | grep '<source>' | head -20 >&2
    status=1
  fi
  rm -rf "$work"
done
exit $status
