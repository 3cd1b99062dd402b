#!/usr/bin/env bash
# Builds Kelvora and starts it on the simulated instrument, with the
# instrument's window beside it (click a patch, press its button).
#   scripts/run.sh [kelvora options...]
# Without the instrument's window: KELVORA_SIM_WINDOW=0 scripts/run.sh
# Options: --exe-folder DIR (settings there instead of beside the program),
# --language ID (1033, 1040, 1031; no language question on a first start),
# --trace (status bar changes on standard output), --exit-after MS,
# --screenshots DIR (every page in every skin, after the start-up; then it closes),
# --tour DIR (every page with measurements: scripts/tour.sh runs it with its scenario).
# Needs a display; without one, run it as: xvfb-run -a scripts/run.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The program, its stand-in instrument with its window and the calculator; the
# tests are scripts/test.sh's.
cmake --build build -j"$(nproc)" --target kelvora EYEONE kelvora-sim-window kelvora-spec2cie

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Kelvora is built (build/bin/kelvora) but there is no display to show it on." >&2
  echo "Start it under a virtual display:   xvfb-run -a scripts/run.sh" >&2
  echo "or headless with a scenario file:   QT_QPA_PLATFORM=offscreen KELVORA_SIM_SCENARIO=sim/examples/session.txt scripts/run.sh --language 1033 --trace --exit-after 15000" >&2
  exit 2
fi

# The simulated instrument lives in build/sim; putting that folder on the
# library search path is what makes the program find "EYEONE".
export LD_LIBRARY_PATH="$PWD/build/sim${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
# The stand-in opens its own window on its first call when asked; the program
# knows nothing of it. A value set by the caller (0: no window) is kept.
export KELVORA_SIM_WINDOW="${KELVORA_SIM_WINDOW-1}"
exec build/bin/kelvora "$@"
