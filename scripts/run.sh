#!/usr/bin/env bash
# Builds Korvane (installing what is missing) and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKORVANE_TESTS=OFF -DKORVANE_BENCH=OFF
cmake --build build --target korvane -j"$(nproc)"
exec build/korvane
