#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ventiro's Debian package from its source package (debian/) with
# dpkg-buildpackage, in a copy of the source tree under build-package/, and
# installs it with apt-get, which brings in what the package depends on.
# DEB_BUILD_OPTIONS passes through (e.g. DEB_BUILD_OPTIONS=nocheck to skip the
# test suite the build runs).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh
version=$(dpkg-parsechangelog -S Version)
out=$PWD/build-package
tree=$out/ventiro-$version
rm -rf "$out"
mkdir -p "$tree"
# The tracked and new files as they are in the checkout, without build folders or
# anything git ignores.
git ls-files -z --cached --others --exclude-standard \
  | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done \
  | tar --null -T - -cf - | tar -xf - -C "$tree"
(cd "$tree" && dpkg-buildpackage -us -uc -b -j"$(nproc)")
deb=$out/ventiro_${version}_$(dpkg --print-architecture).deb
sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "$deb"
echo "Installed $deb: start it from the desktop's menu (Ventiro) or with: ventiro"
