#!/usr/bin/env bash
# Installs what is missing, builds the simulator and opens its window. F3 saves screenshots
# into ./screenshots. ESC or closing the window only stops it responding, and it ignores
# Ctrl-C: end it from outside (close the terminal, Ctrl-\, or kill its process).
# Usage: scripts/run.sh [build-folder] [extra cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$build" -G Ninja "$@"
cmake --build "$build" --target quillon_simulator
if [ -z "${DISPLAY:-}" ]; then
    cat >&2 <<MESSAGE
The simulator is built ($build/simulator/main/quillon_simulator) but there is no
display (DISPLAY is not set). Run it in a desktop session, or in a virtual X server:

    Xvfb :99 -screen 0 1024x768x24 -noreset &
    DISPLAY=:99 $0 $build

(-noreset keeps the server up between SDL's probe and its window.)
MESSAGE
    exit 1
fi
echo "Quillon simulator: window on $DISPLAY; end it with Ctrl-\\ or kill $$." >&2
exec "$build/simulator/main/quillon_simulator"
