#!/usr/bin/env bash
# Screenshot tour: drives the real program in a virtual X server along the road table (the
# touches from start-up to every page object) in each language, switched by touches on the
# language screen, keeps an F3 image of every page reached:
#     <out>/<language>/<page id>-<page object>.bmp
# and checks each against the headless picture of the same page id that the all-pages test
# draws (build/screen-previews/all-pages/<language>/, made here when missing or older than the
# test program): a page that differs in more than TOUR_LARGEST_SHARE percent of its pixels
# (default 9), or in its title bar, fails the tour, by name.
# Usage: scripts/tour.sh [build-folder] [language ...]
#     scripts/tour.sh                        all ten languages into build/tour
#     scripts/tour.sh build english polish   two of them
# TOUR_OUT names another output folder. The languages run side by side, each in TOUR_PARTS
# parts (2) with a virtual X server and program of their own (TOUR_JOBS at a time, all by
# default): a tour mostly waits.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
shift || true
build=$(cd "$build" 2>/dev/null && pwd || echo "$build")
out=${TOUR_OUT:-$build/tour}

cmake -S "$here" -B "$build" -G Ninja > /dev/null
cmake --build "$build" --target quillon_simulator road-table tour-check
program="$build/simulator/main/quillon_simulator"
table=$("$build/tests/support/road-table")
home_touch=$(awk '$1 == "home" { print $2 }' <<< "$table")
largest=${TOUR_LARGEST_SHARE:-9}
if [ $# -gt 0 ]; then
    languages=("$@")
else
    mapfile -t languages < <(awk '$1 == "language" { print $3 }' <<< "$table")
fi

# The headless pictures to compare with, drawn by the all-pages test of each language.
headless="$build/screen-previews/all-pages"
stale=()
for language in "${languages[@]}"; do
    newest=$(ls -t "$headless/$language/"*.png 2> /dev/null | head -1 || true)
    if [ -z "$newest" ] || [ "$build/tests/gui/test_gui" -nt "$newest" ]; then
        stale+=("$language")
    fi
done
if [ ${#stale[@]} -gt 0 ]; then
    cmake --build "$build" --target test_gui
    for language in "${stale[@]}"; do
        (cd "$build/tests/gui" &&
            ./test_gui --gtest_filter="EveryLanguage/AllPagesInLanguage.*/$language" > /dev/null) || {
            echo "tour: the headless pictures of $language failed" >&2
            exit 1
        }
    done
fi

# One language's tour in its own X server; slot spreads the servers' display numbers.
tour_one() (
    slot=$2
    scratch=$(mktemp -d /tmp/quillon-tour.XXXXXX)
    server=""
    pid=""
    window=""
    cleanup() {
        [ -n "$pid" ] && kill "$pid" 2> /dev/null || true
        [ -n "$server" ] && kill "$server" 2> /dev/null || true
        rm -rf "$scratch"
    }
    trap cleanup EXIT

    # A free display: no socket and no lock file of another server.
    for number in $(seq $((171 + slot * 6)) 400); do
        if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
            export DISPLAY=":$number"
            # -noreset: the server must not restart when SDL closes its probing connection.
            Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp -noreset > "$scratch/xvfb.log" 2>&1 &
            server=$!
            for _ in $(seq 100); do
                xdotool getmouselocation > /dev/null 2>&1 && break
                sleep 0.1
            done
            if kill -0 "$server" 2> /dev/null && xdotool getmouselocation > /dev/null 2>&1; then
                break
            fi
            server=""
        fi
    done
    [ -n "$server" ] || { echo "tour: could not start Xvfb" >&2; exit 1; }

    stop_program() {
        if [ -n "$pid" ]; then
            kill "$pid" 2> /dev/null || true
            wait "$pid" 2> /dev/null || true
            pid=""
        fi
    }

    # Starts the program and waits past its splash (about 4 s) to the home page.
    start_program() {
        stop_program
        rm -rf "$scratch/run" && mkdir -p "$scratch/run/screenshots"
        (cd "$scratch/run" && exec "$program" < /dev/null > console.txt 2>&1) &
        pid=$!
        window=""
        for _ in $(seq 150); do
            window=$(xdotool search --name '^Quillon simulator$' 2> /dev/null | head -1 || true)
            [ -n "$window" ] && break
            sleep 0.1
        done
        [ -n "$window" ] || { echo "tour: no program window" >&2; exit 1; }
        sleep 5.5
    }

    # A touch and the frames it needs (16 ms each), with half as much again for a loaded machine.
    touch_at() {
        local x=${1%%,*} rest=${1#*,}
        local y=${rest%%,*} frames=${rest#*,}
        xdotool mousemove --window "$window" "$x" "$y" click 1 2> /dev/null
        sleep "$(awk -v f="$frames" 'BEGIN { printf "%.2f", 0.3 + f * 0.024 }')"
    }

    # F3 writes the screen into screenshots/; the finished image is moved to its name.
    shot() {
        local target=$1 file=""
        xdotool key --window "$window" F3 2> /dev/null
        for _ in $(seq 100); do
            file=$(ls "$scratch/run/screenshots/"*.bmp 2> /dev/null | head -1 || true)
            if [ -n "$file" ] && [ "$(stat -c %s "$file")" -ge 1152054 ]; then
                sleep 0.1
                mv "$file" "$target"
                return 0
            fi
            sleep 0.1
        done
        echo "tour: no screenshot for $target" >&2
        return 1
    }

    language=$1
    part=$3
    switch=$(awk -v l="$language" '$1 == "language" && $3 == l { $1 = $2 = $3 = ""; print }' <<< "$table")
    [ -n "$switch" ] || { echo "tour: no language $language" >&2; exit 1; }
    echo "tour: $language, part $((part + 1)) of $parts" >&2
    started=$SECONDS
    missing=0
    starts=0
    again=0
    at_home=0
    index=0
    # One program for the language's part of the roads: each road starts from the home page, reached by the home
    # button where the road table says it leads home; elsewhere (a wizard, a setting changed)
    # the program starts again, as the headless road test starts afresh. A road that misses its
    # page after others (a note the headless road meets is already acknowledged) is walked again
    # from a fresh start.
    while read -r kind page id home touches; do
        [ "$kind" = road ] || continue
        index=$((index + 1))
        [ $(((index - 1) * parts / roads)) = "$part" ] || continue
        picture="$out/$language/$(printf %02d "$id")-$page.bmp"
        if [ "$at_home" = 1 ]; then
            for t in $touches; do touch_at "$t"; done
            if ! shot "$picture" ||
                ! "$build/tests/support/tour-check" "$picture" "$headless/$language" "$largest" > /dev/null; then
                at_home=0
                again=$((again + 1))
                echo "tour: $language: $page again from a fresh start" >&2
            fi
        fi
        if [ "$at_home" = 0 ]; then
            start_program
            starts=$((starts + 1))
            for t in $switch; do touch_at "$t"; done
            for t in $touches; do touch_at "$t"; done
            shot "$picture" || missing=$((missing + 1))
        fi
        if [ "$home" = 1 ]; then
            touch_at "$home_touch"
            at_home=1
        else
            at_home=0
        fi
    done <<< "$table"
    stop_program
    echo "tour: $language, part $((part + 1)): $starts starts ($again roads again from a fresh start)," \
        "$((SECONDS - started)) s" >&2
    [ "$missing" = 0 ] || { echo "tour: $language: $missing screenshots missing" >&2; exit 1; }
)

# Each language's roads in TOUR_PARTS consecutive parts (2 by default), each part in a program
# of its own: most of a part's time is the program's start-up splash.
parts=${TOUR_PARTS:-2}
roads=$(grep -c '^road' <<< "$table")
jobs_max=${TOUR_JOBS:-$((${#languages[@]} * parts))}
failed=0
running=0
slot=0
for language in "${languages[@]}"; do
    mkdir -p "$out/$language"
    rm -f "$out/$language/"*.bmp
    for part in $(seq 0 $((parts - 1))); do
        tour_one "$language" "$slot" "$part" &
        slot=$((slot + 1))
        running=$((running + 1))
        if [ "$running" -ge "$jobs_max" ]; then
            wait -n || failed=1
            running=$((running - 1))
        fi
    done
done
while [ "$running" -gt 0 ]; do
    wait -n || failed=1
    running=$((running - 1))
done
for language in "${languages[@]}"; do
    "$build/tests/support/tour-check" "$out/$language" "$headless/$language" "$largest" >&2 || failed=1
done
[ "$failed" = 0 ] || { echo "tour: a language failed" >&2; exit 1; }
echo "tour: images in $out" >&2
