#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end: drives the real program in a private X server with xdotool and
# checks the frame's title after each menu letter, picture button and exit button.
set -euo pipefail
program=${1:?usage: keyboard_and_mouse.sh PATH_TO_VENTIRO}
for tool in Xvfb xdotool xdpyinfo; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

. "$(dirname "$0")/x_server.sh"
start_x_server || { echo "FAIL: Xvfb did not start"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start() {
  start_program "$program"
  [ "$WIDTH" -eq 792 ] || fail "frame is $WIDTH pixels wide, not 792"
}

expect_title() {
  local title
  for _ in $(seq 40); do
    title=$(xdotool getwindowname "$win" 2>/dev/null || true)
    [ "$title" = "$1" ] && { echo "ok: $1"; return; }
    sleep 0.05
  done
  fail "expected title '$1', got '$title'"
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
# Presses a mouse button at a point of the page given in twips.
press() { xdotool mousemove --window "$win" $(( $1 / 15 + 10 )) $(( $2 / 15 + 10 + menubar )) click "$3"; sleep 0.2; }

expect_exit() {
  for _ in $(seq 40); do
    kill -0 "$app" 2>/dev/null || { echo "ok: $1"; app=; return; }
    sleep 0.05
  done
  fail "$1: the program is still running"
}

start
expect_title "Ventiro"
key alt+l;          expect_title "Ventiro - [Vàlvula Limitadora de pressió]"
key alt+r;          expect_title "Ventiro - [Vàlvula reguladora amb antiretorn]"
key alt+d 4;        expect_title "Ventiro - [Vàlvula distribuïdora 4/2]"
key alt+s;          expect_title "Ventiro - [Vàlvula distribuïdora 4/2]"   # S is shared: focus only moves
key alt+c m;        expect_title "Ventiro - [Compressor de pistons o d'èmbol]"
key alt+o g;        expect_title "Ventiro - [ CONDICIONAMENT DE L'AIRE: REGULADOR DE PRESSIÓ]"
key alt+s;          expect_title "Ventiro"              # "&Sortir" returns home
press 5760 2640 3;  expect_title "Ventiro - [Vàlvula distribuïdora 3/2]"   # right button on ImgV32Boto
press 6120 7200 1;  expect_title "Ventiro"              # "&Sortir" by mouse
press 9360 4080 2;  expect_title "Ventiro - [Vàlvula d'escapament ràpid]"  # middle button
key alt+b a;        expect_title "Ventiro - [Vàlvula antirretorn]"
press 6120 7200 1;  expect_title "Ventiro"
key Return;         expect_exit "Enter on the home page ends the program"

start
key space;          expect_exit "space on the home page ends the program"

start
key alt+s;          expect_exit "Alt+S on the home page ends the program"

[ "$failures" -eq 0 ] && echo "end-to-end: all checks passed" || { echo "end-to-end: $failures failed"; exit 1; }
