#!/usr/bin/env bash
# Clicks the velocity-factor spinner once under a real X server (Xvfb) and checks that the
# factor moved by exactly one step: the focus is in the frequency field before the click, and
# the click comes from the X server, release queued right behind the press.
#   tools/check_spinner_click.sh [--wm]     (--wm: with openbox as window manager)
# Display: ZENTAVIK_DISPLAY, a number (default 77). Needs xdotool, imagemagick and, for --wm, openbox.
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
out="$root/build/screenshots"
mkdir -p "$out"
suffix=""
if [ "${1:-}" = "--wm" ]; then
  suffix="-wm"
fi
start_x "${1:-}"
start_program
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
xdotool key ctrl+s
sleep 1
# The beam form opens at the top left of the frame with the focus in the frequency field; the
# spinner's lower arrow lies there, relative to the frame's client area.
xdotool mousemove --window "$win" 487 111 click 1
sleep 1.5
import -window root "$out/spinner-one-click$suffix.png"
# Enter on the spinner calculates; the report names the factor the calculation used.
xdotool key Return
sleep 2
factor=$(LC_ALL=C grep -a -o 'rzungsfaktor des Drahtes: [0-9,]*' "$work/Zentavik.txt" | sed 's/.*: //')
if [ "$factor" = "0,999" ]; then
  echo "OK: ein Klick, ein Schritt (1,00 -> $factor)"
else
  echo "FEHLER: nach einem Klick steht der Verkürzungsfaktor auf '$factor' statt 0,999"
  exit 1
fi
