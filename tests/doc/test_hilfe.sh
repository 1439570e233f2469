#!/usr/bin/env bash
# The built help reads like a printed manual: version and date on top, a table of contents whose
# page numbers lead to the headings and whose lines jump there, a numbered footer, no heading alone at a page foot, no page
# less than half full except before a chapter, no line in the text of two pages, and list numbers
# that do not repeat the menu captions' own numbers.
# Given the generator and the drawing, it builds the help again on a machine whose default fonts
# are others, and finds the same pages starting with the same lines.
# test_hilfe.sh HILFE.pdf QUELLE.html VERSION [HILFEPDF ZEICHNUNG.svg]
set -euo pipefail
pdf="$1"; html="$2"; version="$3"; generator="${4:-}"; drawing="${5:-}"
for tool in pdftotext pdftohtml pdftoppm; do
  command -v "$tool" > /dev/null || { echo "$tool fehlt (poppler-utils)"; exit 1; }
done
fail() { echo "FEHLER: $*"; exit 1; }
# One page's lines, without the indentation of the layout: page N, or lines_of FILE N.
lines_of() { pdftotext -layout -f "$2" -l "$2" "$1" - | sed 's/\f//g; s/^ *//; s/ *$//' | grep -v '^$' || true; }
page() { lines_of "$pdf" "$1"; }
# A line cut by a page foot must not be drawn on both pages: copying, searching and screen
# readers would meet it twice. Above each footer the text ends with a line the next page does not
# start with. no_line_twice FILE PAGES
no_line_twice() {
  local n last next
  for ((n = 1; n < $2; n++)); do
    last="$(lines_of "$1" "$n" | tail -2 | head -1)"
    next="$(lines_of "$1" $((n + 1)) | head -1)"
    [ "$last" != "$next" ] || fail "$(basename "$1"): \"$last\" am Ende von Seite $n und am Anfang von Seite $((n + 1))"
  done
}

text="$(pdftotext -layout "$pdf" -)"
pages="$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')"
[ -n "$pages" ] || pages="$(grep -c 'Seite [0-9]* von' <<< "$text")"

grep -qE "Version ${version//./\\.} · Stand: [0-9]{1,2}\. [[:alpha:]äöüÄÖÜ]+ [0-9]{4}" <<< "$text" \
  || fail "kein Titelblock mit Version $version und Datum"
if grep -qE '(^|[^0-9])([0-9]+)\. +\2\. ' <<< "$text"; then fail "doppelte Nummer: $(grep -E '([0-9]+)\. +\1\. ' <<< "$text" | head -1)"; fi

# The source with the chapters it includes.
source_text() {
  cat "$html"
  sed -n 's/.*<!-- *einfügen: *\([^ ]*\) *-->.*/\1/p' "$html" | while IFS= read -r chapter; do
    cat "$(dirname "$html")/$chapter"
  done
}
headings="$(source_text | grep -oE '<h[23][^>]*>[^<]+' | sed 's/^<h[23][^>]*>//')"
chapters="$(source_text | grep -oE '<h2[^>]*>[^<]+' | sed 's/^<h2[^>]*>//')"
[ -n "$headings" ] || fail "keine Überschriften in $html"
# The contents run from page 1 to the page their first entry names, where the text begins.
first="$(page 1 | sed -n 's/.* \([0-9][0-9]*\)$/\1/p' | head -1)"
[ -n "$first" ] || fail "kein Inhaltsverzeichnis auf Seite 1"
contents="$(for ((n = 1; n <= first; n++)); do page "$n"; done)"
# Each line of the contents as a link: its text and the page it jumps to.
links="$(pdftohtml -xml -i -stdout -f 1 -l "$first" "$pdf" 2>/dev/null \
         | sed -n 's/.*<a href="[^"#]*#\([0-9]*\)">\(<b>\)\{0,1\}\([^<]*\)<.*/\3|\1/p' | sed 's/&amp;/\&/g; s/ *|/|/')"
while IFS= read -r source_heading; do
  # A heading with a figure from the program is found by its longest fixed part.
  heading="$(sed 's/{{[^}]*}}/\n/g' <<< "$source_heading" | awk '{ sub(/^ +/, ""); sub(/ +$/, "") }
                                                             length($0) > length(k) { k = $0 } END { print k }')"
  whole=-x; [ "$heading" = "$source_heading" ] || whole=
  number="$({ grep -F -- "$heading" <<< "$contents" || true; } | sed -n 's/.* \([0-9][0-9]*\)$/\1/p' | head -1)"
  [ -n "$number" ] || fail "Inhaltsverzeichnis ohne Seitenzahl für: $heading"
  page "$number" | grep -Fq $whole -- "$heading" || fail "\"$heading\" steht nicht auf Seite $number"
  link="$heading"; [ -z "$whole" ] || link="$heading|"
  target="$({ grep -F -- "$link" <<< "$links" || true; } | head -1 | sed 's/.*|//')"
  [ "$target" = "$number" ] || fail "Inhaltsverzeichnis: \"$heading\" springt nicht auf Seite $number, sondern ${target:-nirgendwohin}"
done <<< "$headings"

# How far down page n is filled, in percent of its text area: the lowest ink above the footer rule,
# text and pictures alike. The rule is the last row dark across most of the page.
filled() {
  pdftoppm -gray -r 36 -f "$1" -l "$1" "$pdf" | {
    read -r _; read -r width height; read -r _
    od -An -v -tu1 -w"$width" | awk -v w="$width" -v h="$height" '
      { dark = 0; for (i = 1; i <= NF; i++) if ($i < 200) dark++
        if (dark > 0.6 * w) rule = NR; else if (dark > 0) ink[NR] = 1 }
      END { top = int(h * 16 / 297); last = top
            for (r = top; r < rule - 1; r++) if (r in ink) last = r
            print (rule > top ? int(100 * (last - top) / (rule - top)) : 100) }'
  }
}

for ((n = 1; n <= pages; n++)); do
  lines="$(page "$n")"
  # The last page ends the last chapter: a few lines alone there are a page wasted as well.
  if ((n == pages)) || ! grep -Fxq -- "$(page $((n + 1)) | head -1)" <<< "$chapters"; then
    fill="$(filled "$n")"
    ((fill >= 50)) || fail "Seite $n nur zu $fill % gefüllt, und danach beginnt kein Kapitel"
  fi
  tail -1 <<< "$lines" | grep -q "Seite $n von $pages\$" || fail "Seite $n ohne Seitenzahl in der Fußzeile"
  last="$(tail -2 <<< "$lines" | head -1)"
  grep -Fxq -- "$last" <<< "$headings" && fail "Überschrift \"$last\" allein am Fuß von Seite $n"
done
no_line_twice "$pdf" "$pages"
if [ -n "$generator" ]; then
  # Each page's first line.
  starts() { for ((n = 1; n <= $2; n++)); do pdftotext -f "$n" -l "$n" "$1" - | grep -v '^[[:space:]]*$' | head -1; done; }
  work="$(mktemp -d)"; trap 'rm -rf "$work"' EXIT
  # Another family preferred for every generic name: only what the help names itself is kept.
  cat > "$work/fonts.conf" << 'KONF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <match target="pattern"><test qual="any" name="family"><string>sans-serif</string></test>
    <edit name="family" mode="prepend_first" binding="strong"><string>Liberation Serif</string></edit></match>
  <match target="pattern"><test qual="any" name="family"><string>serif</string></test>
    <edit name="family" mode="prepend_first" binding="strong"><string>Liberation Mono</string></edit></match>
  <match target="pattern"><test qual="any" name="family"><string>monospace</string></test>
    <edit name="family" mode="prepend_first" binding="strong"><string>Liberation Serif</string></edit></match>
</fontconfig>
KONF
  [ "$(FONTCONFIG_FILE="$work/fonts.conf" fc-match -f '%{family}' sans-serif)" = "Liberation Serif" ] \
    || fail "die Schriftkonfiguration des Tests wirkt nicht"
  FONTCONFIG_FILE="$work/fonts.conf" QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$generator" "$html" "$drawing" "$work/andere.pdf" > /dev/null 2>&1 || fail "Hilfe mit anderen Schriften nicht gebaut"
  other="$(pdfinfo "$work/andere.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')"
  [ "$other" = "$pages" ] || fail "mit anderen Standardschriften $other statt $pages Seiten"
  no_line_twice "$work/andere.pdf" "$other"
  diff <(starts "$pdf" "$pages") <(starts "$work/andere.pdf" "$pages") > "$work/diff" \
    || fail "mit anderen Standardschriften beginnen Seiten anders: $(head -4 "$work/diff")"
fi
echo "Hilfe: $pages Seiten, $(wc -l <<< "$headings") Überschriften im Inhaltsverzeichnis"
