# Sourced by the screenshot and check scripts: a throwaway X server (Xvfb on the display number
# in ZENTAVIK_DISPLAY, 77 unless set, so that several can run at once), optionally openbox as
# window manager, and the program started in a throwaway working folder with its own settings.
# Everything started here ends, and the folder goes, when the script ends.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
work="$(mktemp -d)"
session_pids=()
trap 'for p in "${session_pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
export DISPLAY=":${ZENTAVIK_DISPLAY:-77}"
export XDG_CONFIG_HOME="$work/config"
export LANG="${LANG:-de_DE.UTF-8}"

# start_x [--wm]
start_x() {
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 >/dev/null 2>&1 &
  session_pids+=($!)
  sleep 1
  if [ "${1:-}" = "--wm" ]; then
    openbox >/dev/null 2>&1 &
    session_pids+=($!)
    sleep 1
  fi
}

# start_program [SECONDS to wait for its window]
start_program() {
  (cd "$work" && exec "$root/build/app/zentavik") &
  session_pids+=($!)
  sleep "${1:-3}"
}

# In the viewer: Speichern (Ctrl+S) under FILE, then Öffnen (Ctrl+O) that file, so the screen
# shows the document as the viewer wrote it.
save_and_reopen() {
  xdotool key ctrl+s; sleep 2
  xdotool type --delay 20 "$1"
  xdotool key Return; sleep 2
  xdotool key ctrl+o; sleep 2
  xdotool type --delay 20 "$1"
  xdotool key Return; sleep 2
}
