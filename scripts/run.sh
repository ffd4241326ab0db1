#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and starts Ventiro, on the session's own display (Wayland or X11: the
# toolkit chooses). Without a display it runs the program in a private X server
# (Xvfb) for a few seconds and saves a screenshot.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh

if [ -n "${WAYLAND_DISPLAY:-}" ] || { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  exec ./build/ventiro
fi

mkdir -p shots
shot=$PWD/shots/ventiro.png
# Xvfb picks a free display and writes its number once it accepts clients;
# -noreset keeps it from resetting (and refusing clients) when xdpyinfo leaves.
fd_file=$(mktemp)
exec 3>"$fd_file"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 & xvfb=$!
exec 3>&-
trap 'kill $xvfb 2>/dev/null || true; rm -f "$fd_file"' EXIT
for _ in $(seq 300); do [ -s "$fd_file" ] && break; sleep 0.1; done
[ -s "$fd_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$fd_file")
./build/ventiro & app=$!
sleep 3
kill -0 $app 2>/dev/null || { echo "Ventiro did not start in Xvfb" >&2; exit 1; }
import -window root "$shot"
kill $app 2>/dev/null || true
echo "No display: Ventiro ran in Xvfb; screenshot saved to $shot"
