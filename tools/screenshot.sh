#!/usr/bin/env bash
# Starts the program under Xvfb, opens the beam form, calculates, opens a pruning window and the
# velocity-factor calculator, and saves screenshots:
# tools/screenshot.sh [OUTPUT_DIR]   (needs xdotool and imagemagick: apt-get install xdotool imagemagick)
# ZENTAVIK_DISPLAY picks the Xvfb display number (77 unless set), so that several can run at once.
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
start_x
start_program 2
import -window root "$out/1-start.png"
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowfocus --sync "$win"
xdotool key ctrl+s; sleep 1
import -window root "$out/2-beamform.png"
xdotool key Return; sleep 1
import -window root "$out/3-calculated.png"
xdotool key ctrl+o; sleep 1
xdotool type "10,9"; xdotool key Tab; xdotool type "14"; xdotool key Tab; xdotool type "14,2"
xdotool key Return; sleep 1
import -window root "$out/4-pruning.png"
xdotool key ctrl+v; sleep 1
xdotool key Return; sleep 1
import -window root "$out/5-velocityfactor.png"
# Back to the beam form, whose menu and buttons the viewer step needs.
xdotool key ctrl+Tab; sleep 0.5
xdotool key ctrl+s; sleep 0.5
xdotool key alt+a; sleep 1
import -window root "$out/6-viewer.png"
echo "Bilder in $out"
