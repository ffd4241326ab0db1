#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end: at twice the scale on a 1024x768 screen the frame opens within the
# screen, and the home page scrolls with the mouse wheel until "Sortir" is in view,
# where a click on it ends the program.
set -euo pipefail
program=${1:?usage: small_screen.sh PATH_TO_VENTIRO}
for tool in Xvfb xdotool xdpyinfo; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

. "$(dirname "$0")/x_server.sh"
start_x_server 1024x768 || { echo "FAIL: Xvfb did not start"; exit 1; }

export QT_SCALE_FACTOR=2
start_program "$program"
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt 1024 ] || [ $((Y + HEIGHT)) -gt 768 ]; then
  echo "FAIL: the frame lies at $X,$Y, $WIDTH x $HEIGHT, beyond the 1024x768 screen"
  exit 1
fi
echo "ok: the frame lies within the screen ($WIDTH x $HEIGHT at $X,$Y)"

# Down to the end with the wheel, then across with Shift and the wheel.
xdotool mousemove --window "$win" 500 400
for _ in $(seq 12); do xdotool click 5; sleep 0.05; done
for _ in $(seq 12); do xdotool keydown shift click 5 keyup shift; sleep 0.05; done
sleep 0.5

# Scrolled to its end, the page shows "Sortir" (at 624,360 on the page) with its
# centre at 362,170 of the window in logical pixels: 724,340 on this screen.
xdotool mousemove --window "$win" 724 340
sleep 0.3
xdotool mousedown 1
sleep 0.1
xdotool mouseup 1
for _ in $(seq 40); do kill -0 "$app" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$app" 2>/dev/null; then
  echo "FAIL: a click where Sortir should be did not end the program"
  exit 1
fi
app=
echo "ok: Sortir reached with the mouse ended the program"
