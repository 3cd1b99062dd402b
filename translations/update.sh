#!/usr/bin/env bash
# Collects every translatable text of the program's sources into the
# translation files (Qt Linguist .ts). Run it after adding or changing texts,
# then translate the new entries (Qt Linguist, or by hand) and commit.
# The build compiles the .ts files into .qm files and embeds them.
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate_bin=""
for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" "$(command -v lupdate || true)"; do
  if [ -n "$candidate" ] && [ -x "$candidate" ]; then lupdate_bin="$candidate"; break; fi
done
if [ -z "$lupdate_bin" ]; then
  echo "lupdate not found (Debian package qt6-l10n-tools)" >&2
  exit 1
fi

# The program's own units; the stand-in instrument and the tools are not part of its interface.
dirs=()
for d in main CalibrWin MeasureP Data Spectra CMS EyeOne Eye1lib Graphs01 palette; do
  [ -d "$d" ] && dirs+=("$d")
done

"$lupdate_bin" -silent -no-obsolete -locations none -source-language en -extensions cpp,h \
  "${dirs[@]}" -ts translations/kelvora_it.ts translations/kelvora_de.ts
