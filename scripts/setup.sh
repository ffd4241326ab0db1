#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what a fresh Debian 12 machine lacks to build, run and test the program,
# then configures and builds it in ./build. Sourced by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# After the build tools, Qt, fonts and the X11 test tools: the screen-reader test's
# D-Bus and accessibility bus; the Wayland test's headless compositor and the
# toolkit's Wayland platform; the desktop-entry and AppStream validators; the
# Debian package tools (dpkg-buildpackage with debhelper), lintian and
# hardening-check (devscripts), for the package test and install-package.sh.
packages=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev libgif-dev
          fonts-liberation fonts-liberation2 xvfb xauth x11-utils xdotool imagemagick
          dbus at-spi2-core python3-pyatspi
          weston qt6-wayland
          desktop-file-utils appstream
          build-essential dpkg-dev debhelper fakeroot file lintian devscripts)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
