#!/usr/bin/env bash
# Takes screenshots of the results viewer's questions under Xvfb with openbox: closing
# ("Schnellansicht wirklich schliessen ?", Ja/Nein), the save question that follows an edit
# ("Soll der Text gespeichert werden ?") and the save dialog (Speichern/Abbrechen), then puts
# the three side by side in viewer-dialogs.png.
#   tools/screenshot_viewer_dialogs.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 77)
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
# A German user: the file dialog shows sizes and dates the German way.
export LANG=de_DE.UTF-8
printf 'Zentavik Ergebnisse\r\n\r\nL\xe4nge LgD = 10,905 m\r\n' > "$work/Zentavik.txt"
(cd "$work" && exec "$root/build/app/zentavik") &
pids+=($!)
sleep 3
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win"
# Datei, Anzeigen/Drucken: the viewer opens on the report.
xdotool key alt+d; sleep 0.5; xdotool key a; sleep 2
# An edit, then Beenden (Ctrl+B): the close question.
xdotool type --delay 50 "x"
xdotool key ctrl+b; sleep 1
import -window root "$out/viewer-close.png"
xdotool key alt+j; sleep 1
import -window root "$out/viewer-save-question.png"
xdotool key alt+j; sleep 2
import -window root "$out/viewer-save-dialog.png"
xdotool key Escape; sleep 1
# The frame's part of each picture, side by side.
montage "$out/viewer-close.png[800x640+0+70]" "$out/viewer-save-question.png[800x640+0+70]" \
    "$out/viewer-save-dialog.png[800x640+0+70]" -tile 3x1 -geometry +4+4 "$out/viewer-dialogs.png"
echo "Bilder in $out"
