#!/usr/bin/env bash
# Takes screenshots of the beam form's message boxes under Xvfb with openbox: the question
# about a doubtful insulation ("Schlechtes Isoliermaterial ?") and the " Fehler " box.
#   tools/screenshot_dialogs.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 77)
# Needs xdotool, imagemagick and openbox.
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
start_x --wm
# A folder in the report's place makes writing the report fail.
mkdir "$work/Zentavik.txt"
start_program
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
