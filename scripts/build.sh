#!/usr/bin/env bash
# Configures and builds: the given targets, or everything (program, virtual
# sensor, tests) when none is given.
#   KAVRO_BUILD_DIR   build directory (default build)
#   KAVRO_CMAKE_ARGS  further configure arguments, e.g. "-DKAVRO_SANITIZE=ON"
#   KAVRO_JOBS        parallel compile jobs (default: the number of cores)
# ccache is used when it is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
dir="${KAVRO_BUILD_DIR:-build}"
args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if command -v ccache > /dev/null; then args+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
read -r -a extra <<< "${KAVRO_CMAKE_ARGS:-}"
mkdir -p "$dir"
cmake -S . -B "$dir" "${args[@]}" "${extra[@]}" > "$dir/configure.log" 2>&1 || {
  cat "$dir/configure.log"; exit 1; }
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j"${KAVRO_JOBS:-$(nproc)}" "${targets[@]}"
