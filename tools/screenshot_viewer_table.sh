#!/usr/bin/env bash
# Takes a screenshot of the results viewer showing an RTF document with tables under Xvfb
# with openbox: a bordered table of results with a heading over merged cells, and a table
# nested in a cell. The viewer opens the report first, then the document through "Öffnen".
#   tools/screenshot_viewer_table.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 71)
# Needs xdotool, imagemagick and openbox.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:-$root/build/screenshots}"
display=":${ZENTAVIK_DISPLAY:-71}"
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
export LANG=de_DE.UTF-8
printf 'Zentavik Ergebnisse\r\n\r\nL\xe4nge LgD = 10,905 m\r\n' > "$work/Zentavik.txt"
border='\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10'
row="\\trowd\\trgaph108\\trleft-108$border\\cellx1800$border\\cellx3600$border\\cellx5400$border\\cellx7200"
{
    printf '{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Liberation Sans;}}{\\colortbl;\\red0\\green0\\blue160;}\r\n'
    printf '\\pard\\f0\\fs28\\b Ergebnisse der Berechnung\\b0\\fs22\\par\r\n'
    printf '\\trowd\\trgaph108\\trleft-108%s\\clbrdrb\\brdrs\\brdrw30\\brdrcf1\\cellx7200\\pard\\intbl{\\b Beam f\\'"'"'fcr 20 m}\\cell\\row\r\n' "$border"
    printf '%s\\pard\\intbl{\\b Band\\cell f [MHz]\\cell LgD [m]\\cell LgR [m]\\cell}\\row\r\n' "$row"
    printf '%s\\pard\\intbl 20 m\\cell 14,2\\cell 10,905\\cell 11,363\\cell\\row\r\n' "$row"
    printf '%s\\pard\\intbl 17 m\\cell 18,1\\cell 8,555\\cell 8,914\\cell\\row\r\n' "$row"
    printf '\\pard\\par Ma\\'"'"'dfe im Einzelnen:\\par\r\n'
    printf '\\trowd\\trgaph108%s\\cellx2500%s\\cellx7000\\pard\\intbl Boom\\cell\r\n' "$border" "$border"
    printf '\\pard\\intbl\\itap2 A\\nestcell 2,641 m\\nestcell\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\trgaph70%s\\cellx1500%s\\cellx3500\\nestrow}{\\nonesttables\\par}\r\n' "$border" "$border"
    printf '\\pard\\intbl\\itap2 Bv\\nestcell 5,282 m\\nestcell\\pard\\intbl\\itap2{\\*\\nesttableprops\\trowd\\trgaph70%s\\cellx1500%s\\cellx3500\\nestrow}{\\nonesttables\\par}\r\n' "$border" "$border"
    printf '\\pard\\intbl gemessen am Quertr\\'"'"'e4ger\\cell\\row\\pard danach ein Absatz.\\par}\r\n'
} > "$work/tabelle.rtf"
(cd "$work" && exec "$root/build/app/zentavik") &
pids+=($!)
sleep 3
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win"
# Datei, Anzeigen/Drucken: the viewer opens on the report; Öffnen (Ctrl+O) the document.
xdotool key alt+d; sleep 0.5; xdotool key a; sleep 2
xdotool key ctrl+o; sleep 2
xdotool type --delay 20 "$work/tabelle.rtf"
xdotool key Return; sleep 2
import -window root "$out/viewer-table.png"
echo "Bild in $out/viewer-table.png"
