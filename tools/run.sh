#!/usr/bin/env bash
# Installs what is missing, builds Lagewandler and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target lagewandler
exec ./build/app/lagewandler
