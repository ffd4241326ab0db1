#!/usr/bin/env bash
# End-to-end: drives the real program in a private X server with xdotool and
# checks the frame's title after each menu letter, picture button and exit button.
set -euo pipefail
program=${1:?usage: keyboard_and_mouse.sh PATH_TO_VENTIRO}
for tool in Xvfb xdotool xdpyinfo; do
  command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

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

# Xvfb picks a free display itself and writes its number once it accepts clients.
# -noreset: otherwise the server resets whenever its last client (xdpyinfo, xdotool,
# the program) goes, and refuses connections while it does.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 & xvfb=$!
exec 3>&-
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
  echo "SKIP: Xvfb did not start"; cat "$work/xvfb.log"; exit 77
fi
export DISPLAY=:$(head -1 "$work/display")
for _ in $(seq 200); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

start() {
  "$program" >"$work/program.log" 2>&1 & app=$!
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
  # The client area is 722 pixels high below the menu bar.
  eval "$(xdotool getwindowgeometry --shell "$win")"
  menubar=$((HEIGHT - 722))
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
