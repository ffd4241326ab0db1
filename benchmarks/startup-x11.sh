#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up timed from outside, on a real X server: from starting the process to
# the first drawing in its window, the program alternated with a bare main window
# drawing the home page's texts and pictures and with a bare main window (same
# menu bar and workspace). The X server and every program run at real-time
# priority where that is allowed, so that other work on the machine does not
# stretch the times.
#
#   benchmarks/startup-x11.sh BUILD_DIR [RUNS] [one-core]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-21}
pin=()
[ "${3:-}" = one-core ] && pin=(taskset -c 0)
priority=()
chrt -f 10 true 2>/dev/null && priority=(chrt -f 10)

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
exec 3>"$work/display"
"${pin[@]}" "${priority[@]}" Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 & xvfb=$!
exec 3>&-
for _ in $(seq 600); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -1 "$work/display") QT_QPA_PLATFORM=xcb QT_FONT_DPI=96

"${pin[@]}" "${priority[@]}" "$build/ventiro-first-drawing" --runs "$runs" \
  "$build/ventiro" "$build/ventiro-bench --show bare-home" "$build/ventiro-bench --show bare"
