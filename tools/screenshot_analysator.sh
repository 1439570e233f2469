#!/usr/bin/env bash
# The pruning window measuring with a simulated analyser on a pseudo-terminal, tried by hand
# under Xvfb: measure, cut, repeat, and a port that is not there; screenshots into OUTPUT_DIR.
# tools/screenshot_analysator.sh [OUTPUT_DIR] [--wm]   (needs xdotool and imagemagick)
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
start_x ${2:-}
mkfifo "$work/schnitt"
exec 3<> "$work/schnitt"
"$root/build/tests/zentavik-analysatorsimulator" 13,95 <&3 > "$work/sim.txt" &
session_pids+=($!)
sleep 1
port=$(head -1 "$work/sim.txt")
start_program 2
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowfocus --sync "$win"
xdotool key ctrl+o; sleep 1
xdotool type "10,9"; xdotool key Tab; xdotool type "13,95"; xdotool key Tab; xdotool type "14,2"
xdotool key alt+n; xdotool key ctrl+a; xdotool type --delay 10 "$port"
xdotool key alt+e; sleep 2
import -window root "$out/analysator-1-gemessen.png"
echo "14,12" >&3
xdotool key alt+w; sleep 3
import -window root "$out/analysator-2-wiederholt.png"
xdotool key alt+w; sleep 1
xdotool key alt+n; xdotool key ctrl+a; xdotool type --delay 10 "/dev/ttyZentavikFehlt"
xdotool key alt+e; sleep 2
import -window root "$out/analysator-3-kein-anschluss.png"
xdotool key Return; sleep 1
