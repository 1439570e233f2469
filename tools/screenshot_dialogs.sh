#!/usr/bin/env bash
# Takes screenshots of the beam form's message boxes under Xvfb with openbox: the question
# about a doubtful insulation ("Schlechtes Isoliermaterial ?") and the " Fehler " box.
#   tools/screenshot_dialogs.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 77)
# Needs xdotool, imagemagick and openbox.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
display=":${ZENTAVIK_DISPLAY:-77}"
mkdir -p "$out"
work="$(mktemp -d)"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
export DISPLAY="$display"
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 &
pids+=($!)
sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1
export XDG_CONFIG_HOME="$work/config"
mkdir "$work/Zentavik.txt"
export LANG="${LANG:-de_DE.UTF-8}"
(cd "$work" && exec "$root/build/app/zentavik") &
pids+=($!)
sleep 3
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win"
xdotool key ctrl+s
sleep 1
# Places relative to the frame's client area: the beam form opens at its top left.
# The report cannot be written where a folder of its name stands: the " Fehler " box.
xdotool mousemove --window "$win" 205 72 click 1
xdotool key Return
sleep 1
import -window root "$out/dialog-fehler.png"
xdotool key Escape
sleep 1
xdotool mousemove --window "$win" 205 72 click --repeat 3 1
xdotool type --delay 50 "14"
xdotool mousemove --window "$win" 120 236 click --repeat 3 1
xdotool type --delay 50 "25"
xdotool key Return
sleep 1
import -window root "$out/dialog-er-question.png"
xdotool key Escape
sleep 1
echo "Bilder in $out"
