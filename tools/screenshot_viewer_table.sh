#!/usr/bin/env bash
# Takes a screenshot of the results viewer showing an RTF document with tables under Xvfb
# with openbox: a bordered table of results with a heading over merged cells, and a table
# nested in a cell. The viewer opens the report first, then the document through "Öffnen";
# a second screenshot shows the document saved under another name and opened again.
#   tools/screenshot_viewer_table.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 77)
# Needs xdotool, imagemagick and openbox.
set -euo pipefail
source "$(dirname "$0")/xsession.sh"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
start_x --wm
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
start_program
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win"
# Datei, Anzeigen/Drucken: the viewer opens on the report; Öffnen (Ctrl+O) the document.
xdotool key alt+d; sleep 0.5; xdotool key a; sleep 2
xdotool key ctrl+o; sleep 2
xdotool type --delay 20 "$work/tabelle.rtf"
xdotool key Return; sleep 2
import -window root "$out/viewer-table.png"
# Speichern (Ctrl+S) under another name, and Öffnen that file: the tables as the viewer wrote them.
save_and_reopen "$work/gespeichert.rtf"
import -window root "$out/viewer-table-saved.png"
echo "Bilder in $out"
