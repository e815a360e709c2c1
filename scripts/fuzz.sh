#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan in build-fuzz/ and
# runs each for a bounded time (seconds, default 60; the window fuzzer three
# times as long), seeded from data/sample
# and from the regression inputs under tests/fuzz/regressions/. A crash
# leaves its input in build-fuzz/findings/ and fails the run; add it to the
# regressions once it is fixed.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
seconds="${1:-60}"
tarvelo_install_packages "${TARVELO_VIEWER_PACKAGES[@]}" clang libclang-rt-14-dev
dir="$TARVELO_ROOT/build-fuzz"
CC=clang CXX=clang++ tarvelo_build "$dir" all -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_SANITIZE=ON \
  -DTARVELO_FUZZ=ON -DTARVELO_TESTS=OFF -DTARVELO_BENCHMARKS=OFF

sample="$TARVELO_ROOT/data/sample"
seeds="$dir/seeds"
rm -rf "$seeds" && mkdir -p "$seeds"/{lines,fields,window,annex} "$dir/findings"
# The annexes' lists as published, and a few lines of each table's text.
cp "$TARVELO_ROOT"/tests/data/annexes/2012/*.csv "$seeds/annex/"
for file in "$sample"/*; do
  cp "$file" "$seeds/lines/"
  head -c 4096 "$file" | tr '\r' '\n' | grep -av '^$' | head -50 | split -l 1 - "$seeds/fields/$(basename "$file" | tr -cd 'A-Za-z')-"
done
{
  cat "$sample/ZE-Katalog.csv"; printf '\n#FILE#\n'
  cat "$sample/Fußnoten.txt"; printf '\n#FILE#\n'
  head -c 20000 "$sample/OPS-Kodes.csv"; printf '\n#FILE#\n'
  cat "$sample/OPS-Zuordnung.csv"
} > "$seeds/window/sample"

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
for target in lines fields window annex; do
  regressions="$TARVELO_ROOT/tests/fuzz/regressions/$target"
  # The window fuzzer drives a whole window per input, a few hundred a
  # minute: it gets three times the time to reach anything.
  time="$seconds"
  [ "$target" = window ] && time=$((seconds * 3))
  echo "== $target: $time s"
  status=0
  "$dir/tests/fuzz/${target}_fuzzer" -max_total_time="$time" -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$dir/findings/$target-" -print_final_stats=1 "$seeds/$target" "$regressions" \
    >"$dir/$target.log" 2>&1 || status=$?
  grep -aE '^(stat::number_of_executed_units|SUMMARY)|^Done' "$dir/$target.log" || true
  if [ "$status" -ne 0 ]; then
    tail -40 "$dir/$target.log"
    echo "$target: the fuzzer failed (exit $status); its input is in $dir/findings"
    exit 1
  fi
done
