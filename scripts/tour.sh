#!/usr/bin/env bash
# A tour of every page of Kelvora on the simulated instrument: a scenario
# (sim/examples/tour.txt) calibrates, measures the paper and then real
# patches on every measuring page, while Kelvora clicks from page to page and
# saves a picture of each, with its figures, into OUTDIR. It ends by itself.
#
#   scripts/tour.sh [LANGUAGE [OUTDIR]]
#
# LANGUAGE: 1033 English (default), 1031 Deutsch, 1040 Italiano.
# OUTDIR:   default tour-LANGUAGE; its earlier tour pictures are replaced.
# The pictures are named by number and page: 04-densitometry-dot-gain.png.
#
# Environment:
#   KELVORA_TOUR_SCENARIO  another scenario (default sim/examples/tour.txt)
#   KELVORA_BIN            the kelvora executable to run; when set, nothing is
#                          built (default: build/bin/kelvora, built first)
#   KELVORA_SIM_DIR        folder of the simulated instrument (default build/sim)
#   KELVORA_TOUR_PROFILE   the CMYK output profile of the ICC page (default
#                          Ghostscript's default_cmyk.icc, Debian's libgs-common)
# Without a display it runs headless (QT_QPA_PLATFORM=offscreen); with one,
# the window shows the tour as it goes.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

language="${1:-1033}"
out="${2:-tour-$language}"
scenario="${KELVORA_TOUR_SCENARIO:-$here/sim/examples/tour.txt}"
profile="${KELVORA_TOUR_PROFILE:-/usr/share/color/icc/ghostscript/default_cmyk.icc}"

if [ -z "${KELVORA_BIN:-}" ]; then
  (cd "$here" && cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null \
     && cmake --build build -j"$(nproc)" --target kelvora EYEONE >/dev/null)
  bin="$here/build/bin/kelvora"
else
  bin="$KELVORA_BIN"
fi
simdir="${KELVORA_SIM_DIR:-$(dirname "$(dirname "$bin")")/sim}"

if [ ! -r "$scenario" ]; then
  echo "tour: no scenario $scenario" >&2
  exit 2
fi
if [ ! -r "$profile" ]; then
  echo "tour: no output profile $profile (install libgs-common, or set KELVORA_TOUR_PROFILE); the ICC page shows no device values" >&2
fi

# The plan Kelvora follows: each "say page <page>" part of the scenario, in
# order, with the number of presses in it.
plan="$(awk '
  { sub(/#.*/, "") }
  tolower($1) == "say" && tolower($2) == "page" { page = $3; pages[++n] = page; count[page] = 0; next }
  tolower($1) == "press" && page != "" { count[page]++ }
  END { for (i = 1; i <= n; i++) printf "%s%s=%d", (i > 1 ? "," : ""), pages[i], count[pages[i]] }
' "$scenario")"

# A settings folder of the tour's own: the language and the output profile
# are chosen, nothing of a real settings file is touched.
settings="$(mktemp -d)"
trap 'rm -rf "$settings"' EXIT
printf '[Settings]\nLanguage Id=%s\nProfile name=%s\n' "$language" "$profile" > "$settings/kelvora.ini"
# The files the program reads beside itself come along: the display profile
# and the CIELab diagram's background picture.
for beside in "sRGB Color Space Profile.icm" "Cielab.bmp"; do
  if [ -r "$(dirname "$bin")/$beside" ]; then cp "$(dirname "$bin")/$beside" "$settings/"; fi
done

mkdir -p "$out"
rm -f "$out"/[0-9][0-9]-*.png

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  export QT_QPA_PLATFORM=offscreen
fi
export LD_LIBRARY_PATH="$simdir${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
export KELVORA_SIM_SCENARIO="$scenario"
"$bin" --exe-folder "$settings" --language "$language" --tour "$out" --tour-presses "$plan"
