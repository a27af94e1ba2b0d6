#!/usr/bin/env bash
# The one test command: installs what is missing, checks the formatting and the
# layers, builds everything and runs every test (unit, scenario, front
# end, end-to-end; ctest also builds the Debian package with scripts/package.sh,
# unpacks it into build/package-root and starts the installed program there),
# runs every libFuzzer target for 10 s (scripts/fuzz.sh, clang, build-fuzz/),
# then builds everything again with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test there too, but
# the package.
#   KAVRO_SKIP_SANITIZE=1  leaves out the sanitizer build (for a quick local run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${KAVRO_JOBS:-$(nproc)}"
step() { printf '\n==== %s (%ds)\n' "$1" "$SECONDS"; }

step "packages"
bash scripts/install-deps.sh

step "formatting"
mapfile -t sources < <(find src sim tests bench tools \( -name '*.h' -o -name '*.cpp' \) | sort)
clang-format --dry-run -Werror "${sources[@]}"

step "layers"
bash scripts/check-layers.sh

step "build"
KAVRO_BUILD_DIR=build bash scripts/build.sh
step "tests, and the package"
(cd build && ctest --output-on-failure -j"$jobs")
ls build/kavro-xb-scope_*.deb
step "fuzzing, 10 s a target"
bash scripts/fuzz.sh 10

if [ "${KAVRO_SKIP_SANITIZE:-0}" != 1 ]; then
  step "sanitizer build"
  KAVRO_BUILD_DIR=build-asan KAVRO_CMAKE_ARGS="-DKAVRO_SANITIZE=ON" bash scripts/build.sh
  step "tests under the sanitizers"
  supp="$PWD/tests/sanitizer/lsan.supp"
  (cd build-asan &&
    ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1" \
    UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    LSAN_OPTIONS="suppressions=$supp:print_suppressions=0" \
    ctest --output-on-failure -j"$jobs" --label-exclude package)
fi
step "done"
