#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Ventiro and runs every test (headless), printing the test runner's summary;
# then builds the random-use test with AddressSanitizer and UndefinedBehaviorSanitizer
# (preset "asan", in build-asan) and runs it there.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
./scripts/setup.sh
(cd build && ctest --output-on-failure -j2 --timeout 600)

echo "Random use under the sanitizers (build-asan):"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$(nproc)"
ctest --preset asan --timeout 900
