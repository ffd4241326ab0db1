#!/usr/bin/env bash
# Builds Ventiro, makes its Debian package (build/ventiro_<version>_<arch>.deb)
# and installs it with apt-get, which brings in what the package depends on.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh
(cd build && cpack -G DEB >/dev/null)
debs=(build/ventiro_*.deb)
sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "./${debs[-1]}"
echo "Installed ${debs[-1]}: start it from the desktop's menu (Ventiro) or with: ventiro"
