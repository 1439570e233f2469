#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" build
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Kein Bildschirm gefunden: starten Sie das Programm mit  xvfb-run -a $root/build/app/zentavik  oder auf einem Desktop."
  exit 0
fi
exec "$root/build/app/zentavik"
