#!/usr/bin/env bash
# Starts the program under Xvfb, opens the beam form, calculates, opens a pruning window and the
# velocity-factor calculator, and saves screenshots:
# tools/screenshot.sh [OUTPUT_DIR]   (needs xdotool and imagemagick: apt-get install xdotool imagemagick)
# ZENTAVIK_DISPLAY picks the Xvfb display number (77 unless set), so that several can run at once.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
work="$(mktemp -d)"
display="${ZENTAVIK_DISPLAY:-77}"
export DISPLAY=":$display"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1
export XDG_CONFIG_HOME="$work/config"
export LANG="${LANG:-de_DE.UTF-8}"
(cd "$work" && exec "$root/build/app/zentavik") &
app=$!
sleep 2
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
