#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end on Wayland: starts a headless weston with its own runtime folder and
# socket, runs the program on the toolkit's Wayland platform with the protocol
# logged (WAYLAND_DEBUG=1), and reads from the log that the main window became an
# xdg toplevel titled "Ventiro" with the menu entry's app id, and that buffers of
# the frame's size were attached to its surface and committed. Standard error
# must hold nothing but the protocol log. It runs twice: with the title bar the
# toolkit draws itself (as on a desktop whose compositor draws none), and without
# it (as where the compositor draws it), where the surface is exactly the frame.
set -euo pipefail
program=${1:?usage: wayland.sh PATH_TO_VENTIRO}
command -v weston >/dev/null || { echo "SKIP: weston is not installed"; exit 77; }

work=$(mktemp -d)
chmod 700 "$work"
weston_pid=
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$work
socket=wayland-ventiro
unset DISPLAY WAYLAND_DISPLAY
weston --backend=headless-backend.so --socket=$socket --width=1280 --height=1024 --idle-time=0 \
  >"$work/weston.log" 2>&1 & weston_pid=$!
for _ in $(seq 200); do [ -S "$work/$socket" ] && break; sleep 0.05; done
[ -S "$work/$socket" ] || { cat "$work/weston.log"; echo "FAIL: weston did not open its socket"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run_program NAME [VARIABLE=VALUE...]: runs the program until its first buffer is
# shown and checks its protocol log; sets `width` and `height` to the committed
# buffers' size.
run_program() {
  local name=$1; shift
  local log=$work/$name.log out=$work/$name.out
  echo "-- $name"
  env WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$@" "$program" >"$out" 2>"$log" & app=$!
  for _ in $(seq 400); do
    grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$log" && sleep 0.5 && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$app" 2>/dev/null || { cat "$log"; echo "FAIL: the program ended on Wayland"; exit 1; }
  kill "$app"; wait "$app" 2>/dev/null || true; app=

  # Nothing but protocol lines ("[time] message") on standard error, nothing on standard output.
  if grep -vqE '^\[ *[0-9]+\.[0-9]+\] ' "$log"; then
    echo "standard error holds more than the protocol log:"; grep -vE '^\[ *[0-9]+\.[0-9]+\] ' "$log" | head -20
    fail "the program wrote to standard error"
  else
    echo "ok: standard error holds only the protocol log ($(wc -l <"$log") lines)"
  fi
  [ -s "$out" ] && fail "the program wrote to standard output: $(head -5 "$out")"

  # The toplevel: its surface, title and app id.
  local xdg_surface wl_surface toplevel sizes size
  read -r xdg_surface wl_surface <<<"$(sed -nE 's/.*-> xdg_wm_base@[0-9]+\.get_xdg_surface\(new id xdg_surface@([0-9]+), wl_surface@([0-9]+)\).*/\1 \2/p' "$log" | head -1)"
  toplevel=$(sed -nE "s/.*-> xdg_surface@$xdg_surface\.get_toplevel\(new id xdg_toplevel@([0-9]+)\).*/\1/p" "$log" | head -1)
  [ -n "$toplevel" ] || { head -80 "$log"; echo "FAIL: no xdg toplevel was created"; exit 1; }
  echo "ok: xdg_toplevel@$toplevel on wl_surface@$wl_surface"
  grep -qF -- "-> xdg_toplevel@$toplevel.set_title(\"Ventiro\")" "$log" \
    && echo "ok: the main window is titled \"Ventiro\"" || fail "no set_title(\"Ventiro\") on the toplevel"
  grep -qF -- "-> xdg_toplevel@$toplevel.set_app_id(\"cat.ventiro.Ventiro\")" "$log" \
    && echo "ok: its app id is the menu entry's" || fail "the toplevel's app id is not cat.ventiro.Ventiro"

  # Buffers attached to the toplevel's surface and committed, with their sizes from
  # wl_shm_pool.create_buffer (a buffer id may be reused after it is destroyed).
  sizes=$(awk -v surface="wl_surface@$wl_surface" '
    match($0, /-> wl_shm_pool@[0-9]+\.create_buffer\(new id wl_buffer@[0-9]+, [0-9]+, [0-9]+, [0-9]+/) {
      split(substr($0, RSTART, RLENGTH), f, /[@(, ]+/)
      size[f[7]] = f[9] "x" f[10]
    }
    index($0, "-> " surface ".attach(wl_buffer@") {
      match($0, /attach\(wl_buffer@[0-9]+/); pending = size[substr($0, RSTART + 17, RLENGTH - 17)]
    }
    index($0, "-> " surface ".commit()") && pending != "" { print pending; pending = "" }
  ' "$log" | sort | uniq -c)
  echo "committed buffers (count, size):"; echo "$sizes"
  [ -n "$sizes" ] || fail "no buffer was attached to the main window and committed"
  [ "$(wc -l <<<"$sizes")" -eq 1 ] || fail "buffers of more than one size were committed"
  read -r _ size <<<"$(head -1 <<<"$sizes")"
  width=${size%x*}; height=${size#*x}
  grep -qF -- "-> xdg_surface@$xdg_surface.set_window_geometry(0, 0, $width, $height)" "$log" \
    && echo "ok: the window geometry is the buffer's, $width x $height" \
    || fail "no set_window_geometry(0, 0, $width, $height)"
}

# The frame: 792 pixels wide, the 722-pixel client area below a menu bar.
run_program undecorated QT_WAYLAND_DISABLE_WINDOWDECORATION=1
if [ "${width:-0}" -eq 792 ] && [ "${height:-0}" -gt 722 ] && [ "$height" -le 772 ]; then
  echo "ok: the buffers are the frame's size, $width x $height"
else
  fail "the committed buffers are ${width:-?} x ${height:-?}, not the 792-pixel-wide frame"
fi
frame_width=$width; frame_height=$height

# With the toolkit's title bar: the frame and the title bar around it.
run_program decorated
if [ "${width:-0}" -gt "$frame_width" ] && [ "${height:-0}" -gt "$frame_height" ]; then
  echo "ok: the buffers hold the frame and its title bar, $width x $height"
else
  fail "the committed buffers are ${width:-?} x ${height:-?}, smaller than the frame and its title bar"
fi

[ "$failures" -eq 0 ] && echo "wayland: all checks passed" || { echo "wayland: $failures failed"; exit 1; }
