#!/bin/bash
# Resident memory of the real program: starts it under a private Xvfb in a fresh program
# folder, reads VmRSS from /proc/<pid>/status after the wait on its opening picture, then
# clicks the picture away and reads it again at the game menu after the same wait.
#
#   bench/menu_memory.sh [build-dir] [seconds]
#
# Prints two lines per language (English, Russian, Japanese): total resident memory and
# its anonymous and file-backed parts. Needs xvfb and xdotool; the program is the build's
# bin/vardelin.
set -euo pipefail

build=${1:-build}
wait_s=${2:-3}
bin="$(cd "$build/bin" && pwd)/vardelin"
src="$(cd "$(dirname "$0")/.." && pwd)"
[ -x "$bin" ] || { echo "no program at $bin" >&2; exit 1; }

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, so nothing else on screen shares the measurement.
Xvfb -displayfd 3 -screen 0 1600x1100x24 -nolisten tcp >/dev/null 2>&1 3>"$work/display" &
xvfb_pid=$!
display=
for _ in $(seq 50); do
    display=$(tr -dc 0-9 <"$work/display")
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

# The program keeps its files beside itself: each run gets a copy in a fresh folder.
folder="$work/program"
mkdir -p "$folder"
cp "$bin" "$folder/vardelin"
cp "$src/resources/shipped/"* "$folder/"

measure() {
    awk -v label="$1" '
        /^VmRSS:/ { rss = $2 } /^RssAnon:/ { anon = $2 } /^RssFile:/ { file = $2 }
        END { printf "%-16s %6.1f MB resident (anonymous %.1f MB, files %.1f MB)\n",
              label, rss / 1024, anon / 1024, file / 1024 }' "/proc/$app_pid/status"
}

run() { # run <label>: start, wait, measure (unless the label is empty), stop
    (cd "$folder" && exec ./vardelin >/dev/null 2>&1) &
    app_pid=$!
    sleep "$wait_s"
    if [ ! -r "/proc/$app_pid/status" ]; then
        echo "$1: the program ended early" >&2
        app_pid=
        return 1
    fi
    [ -n "$1" ] && measure "$1, start"
    # A click on the opening picture opens the menu.
    local window
    window=$(xdotool search --onlyvisible --pid "$app_pid" | head -n 1)
    xdotool mousemove --window "$window" 380 250 click 1
    sleep "$wait_s"
    [ -n "$1" ] && measure "$1, menu"
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}

# A first start writes the settings file; the measured ones set its language digit
# (line 2, first character: 0 English, 1 Russian, 8 Japanese).
run ""
settings="$folder/Vardelin.ini"
[ -f "$settings" ] || { echo "the program wrote no settings file" >&2; exit 1; }
for lang in "0 English" "1 Russian" "8 Japanese"; do
    set -- $lang
    sed -i "2s/^./$1/" "$settings"
    run "$2"
done
