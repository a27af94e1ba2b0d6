#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for the
# given seconds (default 10), one after another, from its seed corpus in
# tests/fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/,
# never into the seeds. Fails on the first crash, leak, time-out or failed check;
# libFuzzer then names the file holding the input (build-fuzz/crash-*).
#   bash scripts/fuzz.sh 60                  every target for 60 s
#   KAVRO_FUZZ_ARGS=-runs=1000000 bash scripts/fuzz.sh 0   a million inputs each
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
dir=build-fuzz
KAVRO_BUILD_DIR=$dir KAVRO_CMAKE_ARGS="-DKAVRO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++" \
  bash scripts/build.sh fuzz_targets
read -r -a extra <<< "${KAVRO_FUZZ_ARGS:-}"
# The targets' scratch files; a run that libFuzzer ends at its time limit leaves them.
export TMPDIR="$PWD/$dir/scratch"
trap 'rm -rf "$TMPDIR"' EXIT
mkdir -p "$TMPDIR"
for program in "$dir"/tests/*_fuzz; do
  name=$(basename "$program" _fuzz)
  mkdir -p "$dir/corpus/$name"
  printf '\n---- %s (%s s)\n' "$name" "$seconds"
  (cd "$dir" && "../$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "${extra[@]}" "corpus/$name" "../tests/fuzz/corpus/$name" 2>&1 |
    grep -vE '^#[0-9]+\s+(NEW|REDUCE|pulse)')
done
