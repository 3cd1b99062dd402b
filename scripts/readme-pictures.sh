#!/usr/bin/env bash
# Refreshes the README's pictures of the pages from the tour: runs
# scripts/tour.sh in English (and the Trapping page in German) and copies the
# pictures named below into docs/screenshots/, each named after its page
# (densitometry-dot-gain.png). Run it after a change to a page or to the
# simulated press sheet.
#
#   scripts/readme-pictures.sh
#
# Environment: as scripts/tour.sh (KELVORA_BIN, KELVORA_SIM_DIR, ...).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
docs="$here/docs/screenshots"

# The pages the README shows, as the tour names them (without the number).
english=(
  densitometry-density
  densitometry-all-densities
  densitometry-densities-diff
  densitometry-dot-gain
  densitometry-print-curve
  densitometry-dot-gain-curve
  densitometry-trapping
  densitometry-hue-error
  spectro-colorimetry
  spectro-reflectance
  spectro-delta-l-a-b
  spectro-cielab
  spectro-icc-conversion
  spectro-visual-match
)
german=(
  densitometry-trapping
  spectro-colorimetry
)

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

copy() {  # copy FOLDER PREFIX PAGE...
  local folder="$1" prefix="$2"
  shift 2
  for page in "$@"; do
    local found=("$folder"/[0-9][0-9]-"$page".png)
    if [ ! -f "${found[0]}" ]; then
      echo "readme-pictures: the tour made no picture of $page" >&2
      exit 1
    fi
    cp "${found[0]}" "$docs/$prefix$page.png"
    echo "$docs/$prefix$page.png"
  done
}

mkdir -p "$docs"
"$here/scripts/tour.sh" 1033 "$work/en" >/dev/null
copy "$work/en" "" "${english[@]}"
"$here/scripts/tour.sh" 1031 "$work/de" >/dev/null
copy "$work/de" "de-" "${german[@]}"
