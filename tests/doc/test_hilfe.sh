#!/usr/bin/env bash
# The built help reads like a printed manual: version and date on top, a table of contents whose
# page numbers lead to the headings and whose lines jump there, a numbered footer, no heading alone at a page foot, no page
# less than half full except before a chapter, and list numbers that do not repeat the menu
# captions' own numbers.
# test_hilfe.sh HILFE.pdf QUELLE.html VERSION
set -euo pipefail
pdf="$1"; html="$2"; version="$3"
for tool in pdftotext pdftohtml pdftoppm; do
  command -v "$tool" > /dev/null || { echo "$tool fehlt (poppler-utils)"; exit 1; }
done
fail() { echo "FEHLER: $*"; exit 1; }
# One page's lines, without the indentation of the layout.
page() { pdftotext -layout -f "$1" -l "$1" "$pdf" - | sed 's/\f//g; s/^ *//; s/ *$//' | grep -v '^$' || true; }

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
echo "Hilfe: $pages Seiten, $(wc -l <<< "$headings") Überschriften im Inhaltsverzeichnis"
