#!/usr/bin/env bash
# Builds the .deb, checks the desktop entry, the AppStream file and the package with their
# validators, unpacks the package into a temporary root (the real system stays untouched) and
# starts the program from there: it must run, and "&Hilfe" must find the help document, also
# without the documentation folder. The package must depend on what the German interface needs.
# Usage: test_paket.sh SOURCE_DIR BUILD_DIR SHARED_PROCEDURES_TEST
set -euo pipefail
src="$1"; build="$2"; helptest="$3"
root="$(mktemp -d)"
pid=0
trap 'if [ "$pid" -gt 0 ]; then kill "$pid" 2>/dev/null || true; fi; rm -rf "$root"' EXIT

desktop-file-validate "$src"/install/*.desktop
appstreamcli validate --no-net --explain "$src"/install/*.metainfo.xml

(cd "$build" && cpack -G DEB > "$root/cpack.log") || { cat "$root/cpack.log"; exit 1; }
deb="$(ls -t "$build"/package/zentavik_*.deb | head -n 1)"
echo "Paket: $deb"
dpkg-deb --info "$deb" | sed -n '/Depends:/p;/Recommends:/p'
# Runtime libraries only: no development package among the dependencies.
depends="$(dpkg-deb --field "$deb" Depends)"
if grep -q -- '-dev' <<< "$depends"; then
  echo "Abhängigkeit auf ein Entwicklungspaket"; exit 1
fi
# Qt's libraries as found in the program, and what the German interface and its fonts need:
# without them the standard buttons read Abort/Retry/Ignore and the hint label loses its font.
for p in libqt6widgets6 libqt6serialport6 qt6-translations-l10n fonts-wine fonts-liberation2 nec2c; do
  grep -Eq "(^|, )$p( |,|$)" <<< "$depends" || { echo "Depends nennt $p nicht: $depends"; exit 1; }
done
lintian --fail-on error --suppress-tags-from-file /dev/null "$deb" | tee "$root/lintian.log"
# Every program in the package comes with its manual page.
if grep -q 'no-manual-page' "$root/lintian.log"; then
  echo "ein Programm ohne Handbuchseite"; exit 1
fi

dpkg-deb -x "$deb" "$root/wurzel"
for f in usr/bin/zentavik usr/bin/zentavik-rechner usr/share/man/man1/zentavik.1.gz usr/share/man/man1/zentavik-rechner.1.gz \
         usr/share/zentavik/Zentavik_Hilfe.pdf usr/share/doc/zentavik/Zentavik_Hilfe.pdf usr/share/doc/zentavik/copyright \
         usr/share/applications/de.zentavik.Zentavik.desktop usr/share/metainfo/de.zentavik.Zentavik.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/de.zentavik.Zentavik.svg; do
  test -e "$root/wurzel/$f" || { echo "fehlt im Paket: $f"; exit 1; }
done
desktop-file-validate "$root/wurzel/usr/share/applications/de.zentavik.Zentavik.desktop"
# The help document itself lies outside the documentation folder, which only links to it.
test -f "$root/wurzel/usr/share/zentavik/Zentavik_Hilfe.pdf" -a ! -L "$root/wurzel/usr/share/zentavik/Zentavik_Hilfe.pdf" \
  || { echo "das Hilfe-Dokument liegt nicht als Datei in usr/share/zentavik"; exit 1; }
test "$(readlink -f "$root/wurzel/usr/share/doc/zentavik/Zentavik_Hilfe.pdf")" = "$(readlink -f "$root/wurzel/usr/share/zentavik/Zentavik_Hilfe.pdf")" \
  || { echo "usr/share/doc/zentavik/Zentavik_Hilfe.pdf zeigt nicht auf das Hilfe-Dokument"; exit 1; }

# The installed program starts and keeps running until it is ended.
(cd "$root" && QT_QPA_PLATFORM=offscreen exec "$root/wurzel/usr/bin/zentavik") &
pid=$!
sleep 3
kill -0 "$pid" || { echo "das installierte Programm läuft nicht"; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true; pid=0

# The help of the installed layout is found and handed to the desktop's PDF program, also on
# a minimal system that leaves the documentation folder out (dpkg path-exclude).
rm -rf "$root/wurzel/usr/share/doc"
ZENTAVIK_PAKET_WURZEL="$root/wurzel" QT_QPA_PLATFORM=offscreen "$helptest" hilfeImPaket
