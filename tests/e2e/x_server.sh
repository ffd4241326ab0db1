# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests that run the program on X11: a private X server,
# the program started in it, and both ended when the test script exits.
work=$(mktemp -d)
app=
xvfb=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Starts Xvfb on a display it picks itself (a 1280x1024 screen, or the size given
# as WIDTHxHEIGHT) and exports DISPLAY; returns non-zero,
# showing the server's log, when it does not start.
# -noreset: otherwise the server resets whenever its last client (xdpyinfo, xdotool,
# the program) goes, and refuses connections while it does.
start_x_server() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 & xvfb=$!
  exec 3>&-
  for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
  if [ ! -s "$work/display" ]; then
    cat "$work/xvfb.log"
    return 1
  fi
  export DISPLAY=:$(head -1 "$work/display")
  for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
}

# Starts the program and waits for its main window: sets app, win, the window's
# WIDTH and HEIGHT, and menubar, the height above the 722-pixel client area. Ends
# the test, showing what the program printed, when no window shows.
start_program() {
  "$1" >"$work/program.log" 2>&1 & app=$!
  win=
  for _ in $(seq 400); do
    win=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
    [ -n "$win" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
  done
  if [ -z "$win" ]; then
    echo "FAIL: the program shows no window (display $DISPLAY); it printed:"
    cat "$work/program.log"
    exit 1
  fi
  sleep 0.5  # let the window take the keyboard focus
  eval "$(xdotool getwindowgeometry --shell "$win")"
  menubar=$((HEIGHT - 722))
}
