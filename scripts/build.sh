#!/usr/bin/env bash
# Configures and builds everything into build/ (program, virtual sensor, tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > build-configure.log 2>&1 || {
  cat build-configure.log; exit 1; }
cmake --build build -j"$(nproc)"
