#!/usr/bin/env bash
# Builds and runs every test. With --sanitize, builds a separate tree with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests there;
# any sanitizer report fails the run.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
tarvelo_install_packages "${TARVELO_VIEWER_PACKAGES[@]}" "${TARVELO_TEST_PACKAGES[@]}"
if [ "${1:-}" = "--sanitize" ]; then
  dir="$TARVELO_ROOT/build-sanitize"
  tarvelo_build "$dir" all -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_BENCHMARKS=OFF
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$TARVELO_ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
else
  dir="$TARVELO_ROOT/build"
  tarvelo_build "$dir" all
fi
cd "$dir"
ctest --output-on-failure --parallel "$(nproc)"
