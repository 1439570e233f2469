#!/usr/bin/env bash
# Takes a screenshot of the results viewer showing a word processor's document laid out as
# written: a centred title, justified paragraphs that wrap at the window's width, a list with
# bullets and a hanging indent, a bordered table, a highlighted word, a right-aligned closing
# line, a footnote and an endnote (viewer-layout.png, its end in viewer-layout-end.png). The
# document is the file the viewer opens as the report; saved under another name and opened
# again, it looks the same (viewer-layout-saved.png).
#   tools/screenshot_viewer_layout.sh [OUTPUT_DIR]     display: ZENTAVIK_DISPLAY, a number (default 77)
# Needs xdotool, imagemagick and openbox.
set -euo pipefail
. "$(dirname "$0")/xsession.sh"
out="${1:-$root/build/screenshots}"
mkdir -p "$out"
long="Die Antenne wurde an einem Wochenende aufgebaut und zuerst mit einem einfachen Messger\\'e4t abgeglichen. "
long+="Erst danach zeigte sich, dass die Elemente etwas zu lang geraten waren und die Resonanz zu tief lag. "
long+="Nach dem K\\'fcrzen um wenige Zentimeter passte alles, und die ersten Verbindungen gelangen noch am selben Abend."
row='\clbrdrt\brdrs\brdrw10\clbrdrl\brdrs\brdrw10\clbrdrb\brdrs\brdrw10\clbrdrr\brdrs\brdrw10'
cat > "$work/Zentavik.txt" <<RTF
{\rtf1\ansi\ansicpg1252\deff0\aftnnrlc
{\fonttbl{\f0\froman\fcharset0 Liberation Serif;}{\f1\fswiss\fcharset0 Liberation Sans;}{\f2\fnil\fcharset2 Symbol;}}
{\colortbl;\red0\green0\blue0;\red255\green255\blue0;\red31\green73\blue125;}
\pard\qc\sb120\sa120{\f1\fs40\b\cf3 Ein Beam f\'fcr das 20-m-Band}\par
\pard\qc\sa240{\f1\fs22\i Bericht aus dem Ortsverband}\par
\pard\qj\fi360\sa120\sl276\slmult1{\f0\fs24 $long Gemessen wurde mit {\highlight2 zwei verschiedenen Ger\'e4ten}{\super\chftn}{\footnote\pard\plain{\super\chftn} Beide geliehen.}, die gut \'fcbereinstimmten.}\par
\pard\qj\fi-360\li720\sa60{\listtext\pard\plain\f2 \'b7\tab}{\f0\fs24 Strahler und Reflektor aus Aluminiumrohr, an den Enden mit Steckrohren, die eine Feinabstimmung ohne S\'e4ge erlauben.}\par
{\listtext\pard\plain\f2 \'b7\tab}{\f0\fs24 Boom aus Vierkantrohr.}\par
{\listtext\pard\plain\f2 \'b7\tab}{\f0\fs24 Speisung \'fcber eine Haarnadel, deren L\'e4nge beim Abgleich mehrmals ver\'e4ndert wurde, bis das Stehwellenverh\'e4ltnis im ganzen Band unter 1,5 blieb.}\par
\trowd\trgaph108$row\cellx2400$row\cellx4800$row\cellx7200
\pard\intbl\qc{\f1\fs22\b Band\cell f [MHz]\cell LgD [m]\cell}\row
\trowd\trgaph108$row\cellx2400$row\cellx4800$row\cellx7200
\pard\intbl{\f1\fs22 20 m}\cell\pard\intbl\qr{\f1\fs22 14,2}\cell\pard\intbl\qr{\f1\fs22 10,905}\cell\row
\pard\qj\sb120\sa120\sl276\slmult1{\f0\fs24 $long Die Ergebnisse stehen im Anhang{\super\chftn}{\footnote\ftnalt\pard\plain{\super\chftn} Der Anhang folgt im n\'e4chsten Heft.}.}\par
\pard\qr{\f0\fs24\i 73 de DL0XYZ}\par
}
RTF
start_x --wm
start_program 3
win=$(xdotool search --name "Norbek Zentavik" | head -1)
xdotool windowactivate --sync "$win"
# Datei, Anzeigen/Drucken: the viewer opens on the document.
xdotool key alt+d; sleep 0.5; xdotool key a; sleep 2
import -window root "$out/viewer-layout.png"
# Its end: the right-aligned closing line, then the footnote's and the endnote's texts.
xdotool key ctrl+End; sleep 1
import -window root "$out/viewer-layout-end.png"
# Speichern (Ctrl+S) under another name, and Öffnen that file: the document as the viewer wrote it.
save_and_reopen "$work/gespeichert.rtf"
import -window root "$out/viewer-layout-saved.png"
echo "Bilder in $out"
