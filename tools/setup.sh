#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail
packages=(cmake make g++ qt6-base-dev qt6-svg-dev libqt6svg6-dev libbenchmark-dev
          fonts-liberation2 xvfb xauth poppler-utils
          qt6-base-private-dev qt6-translations-l10n fonts-wine qt6-serialport-dev
          desktop-file-utils appstream lintian dpkg-dev file nec2c python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installiere: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
