#!/usr/bin/env bash
# Builds Korvane and runs every test headless (Qt's offscreen platform), installing
# what is missing first. Under CI warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_WERROR=$werror
cmake --build build-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
