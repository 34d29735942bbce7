#!/usr/bin/env bash
# Measures the running simulator in a virtual X server of its own:
#  - time from start to the window's first frame (upper bound: the first F3 screenshot that
#    is not black, with F3 pressed every 10 ms from the moment the window exists);
#  - CPU use over 10 s with no input on the page after the start-up splash, in percent of one
#    core (all threads);
#  - peak resident memory.
# Usage: scripts/perf-simulator.sh [build-folder]   (builds quillon_simulator there first)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$here/build}") # the program is started from a scratch folder
program=$build/simulator/main/quillon_simulator
if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$here" -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" --target quillon_simulator >/dev/null 2>&1 || cmake --build "$build" --target quillon_simulator

work=$(mktemp -d)
server=0
simulator=0
cleanup() {
    [ "$simulator" -gt 0 ] && kill "$simulator" 2>/dev/null || true
    [ "$server" -gt 0 ] && kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

number=91
while [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
export DISPLAY=:$number
Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done

cd "$work"
start=$(date +%s.%N)
"$program" >"$work/console.txt" 2>&1 &
simulator=$!
window=""
for _ in $(seq 1000); do
    window=$(xdotool search --name '^Quillon simulator$' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.005
done
[ -n "$window" ] || { echo "no window; console:" >&2; cat "$work/console.txt" >&2; exit 1; }
for _ in $(seq 50); do
    xdotool key --window "$window" F3 2>/dev/null
    sleep 0.01
done
# The first drawn frame is the first screenshot that is not all black (a picture taken before
# it holds only its header's few non-zero bytes; the splash's logo holds thousands).
first=""
for picture in $(ls screenshots/img*.bmp | sort); do
    if [ "$(tr -d '\000' <"$picture" | wc -c)" -gt 4096 ]; then first=$picture; break; fi
done
[ -n "$first" ] || { echo "no drawn frame in the first screenshots" >&2; exit 1; }
firstFrameMs=$(awk -v shown="$(stat -c %.9Y "$first")" -v start="$start" 'BEGIN {print (shown - start) * 1000}')

# The splash runs 250 frames of 21 ms; measure on the page after it.
settle=$(awk -v start="$start" -v now="$(date +%s.%N)" 'BEGIN {wait = start + 8 - now; print (wait > 0 ? wait : 0)}')
sleep "$settle"

# Idle: no input for 10 s.
hz=$(getconf CLK_TCK)
ticks() { awk '{print $14 + $15}' "/proc/$simulator/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
cpuPercent=$(awk -v used=$((after - before)) -v hz="$hz" 'BEGIN {print used * 100 / hz / 10}')
peakKb=$(awk '/VmHWM/ {print $2}' "/proc/$simulator/status")

printf 'time to first frame: %.0f ms (first drawn screenshot, %s)\n' "$firstFrameMs" "$(basename "$first")"
printf 'CPU over 10 s idle:  %.1f %% of one core\n' "$cpuPercent"
printf 'peak resident memory: %.1f MB\n' "$(awk -v kb="$peakKb" 'BEGIN {print kb / 1024}')"
