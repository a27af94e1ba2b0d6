#!/usr/bin/env bash
# Configures and builds into build/: the given targets, or everything (program,
# virtual sensor, tests) when none is given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > build-configure.log 2>&1 || {
  cat build-configure.log; exit 1; }
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build build -j"$(nproc)" "${targets[@]}"
