#!/bin/sh
# Builds the fuzz target with Clang (AddressSanitizer + UBSan) and runs it
# for SECONDS (default 30) from the committed seeds.
# Usage: fuzz/run.sh [SECONDS]
set -eu
seconds=${1:-30}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DOHMIRA_FUZZ=ON -DBUILD_TESTING=OFF \
  -DOHMIRA_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_nombres >/dev/null
work="$build/corpus"
mkdir -p "$work"
"$build/fuzz/fuzz_nombres" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/" "$work" "$top/fuzz/corpus" 2>&1 | tail -n 12
