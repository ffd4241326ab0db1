#!/usr/bin/env bash
# Builds Ventiro and runs every test (headless), printing the test runner's summary.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
./scripts/setup.sh
cd build
ctest --output-on-failure -j2 --timeout 600
