#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end: labels on the real X11 window platform, in a private X server.
# 1. The label tests (glyphs whole inside every label, colours, alignment, line
#    pitch) run again on the xcb platform instead of the offscreen one.
# 2. The real program shows the 3/2 valve page, and the window's pixels show the
#    acute accent of "SÍMBOL" whole above its capitals inside the label.
set -euo pipefail
program=${1:?usage: label_text_on_x11.sh PATH_TO_VENTIRO PATH_TO_LABEL_TESTS}
label_tests=${2:?usage: label_text_on_x11.sh PATH_TO_VENTIRO PATH_TO_LABEL_TESTS}
command -v Xvfb >/dev/null || { echo "SKIP: Xvfb is not installed"; exit 77; }
for tool in xdotool xdpyinfo import convert; do
  command -v $tool >/dev/null || { echo "FAIL: $tool is missing (xdotool, x11-utils, imagemagick)"; exit 1; }
done

. "$(dirname "$0")/x_server.sh"
start_x_server || { echo "FAIL: Xvfb did not start"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# 1. The label tests on the X11 platform ("-platform" overrides the offscreen default).
if "$label_tests" -platform xcb >"$work/label_tests.log" 2>&1; then
  echo "ok: label tests pass on the X11 platform"
else
  grep -E "FAIL|Loc:|Totals" "$work/label_tests.log" || cat "$work/label_tests.log"
  fail "label tests on the X11 platform"
fi

# 2. The accent of "SÍMBOL" in the real window.
start_program "$program"
xdotool key --clearmodifiers alt+d; sleep 0.2
xdotool key --clearmodifiers 3
for _ in $(seq 40); do
  [ "$(xdotool getwindowname "$win")" = "Ventiro - [Vàlvula distribuïdora 3/2]" ] && break
  sleep 0.05
done
sleep 0.5
import -window "$win" "$work/page.png"

# lblTitolSimbol: 8880, 5760, 2055, 255 twips, that is 137 x 17 pixels at 592, 384.
# Per row of the label, the number of pixels darker than light grey.
mapfile -t ink < <(convert "$work/page.png" -crop "137x17+592+$((384 + menubar))" +repage \
  -colorspace gray -depth 8 txt:- |
  awk -F'[,: ()]+' 'NR > 1 && $4 < 200 { n[$2]++ } END { for (r = 0; r < 17; r++) print n[r] + 0 }')
echo "ink per row of the SÍMBOL label: ${ink[*]}"
# The capitals start at the first row with ink across several letters; the
# accent of the Í lies above them. Whole, it is three rows high at this size
# (16-pixel bold): cut by the label's top edge, fewer rows are left.
cap_top=-1
for r in "${!ink[@]}"; do [ "${ink[$r]}" -ge 10 ] && { cap_top=$r; break; }; done
accent_rows=0
for ((r = 0; r < cap_top; r++)); do [ "${ink[$r]}" -gt 0 ] && accent_rows=$((accent_rows + 1)); done
if [ "$cap_top" -lt 0 ]; then
  fail "no capitals found in the SÍMBOL label"
elif [ "$accent_rows" -lt 3 ]; then
  fail "the accent of SÍMBOL shows $accent_rows rows above the capitals (row $cap_top), not the whole 3"
else
  echo "ok: the accent of SÍMBOL is drawn whole above its capitals ($accent_rows rows above row $cap_top)"
fi

[ "$failures" -eq 0 ] && echo "labels on X11: all checks passed" || { echo "labels on X11: $failures failed"; exit 1; }
