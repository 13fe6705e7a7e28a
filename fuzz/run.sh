#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the fuzz targets with Clang (AddressSanitizer + UBSan) and runs them
# from the committed seeds, sharing SECONDS (default 30) between them.
# Usage: fuzz/run.sh [SECONDS]
set -eu
seconds=${1:-30}
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-fuzz"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DOHMIRA_FUZZ=ON -DBUILD_TESTING=OFF \
  -DOHMIRA_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzz_nombres fuzz_lot >/dev/null
part=$(( (seconds + 1) / 2 ))
for target in nombres lot; do
  seeds="$top/fuzz/corpus"
  [ "$target" = nombres ] || seeds="$top/fuzz/corpus_$target"
  work="$build/corpus_$target"
  mkdir -p "$work"
  echo "== fuzz_$target, $part s"
  log="$build/fuzz_$target.log"
  # A failed property must fail the run, not vanish behind tail.
  status=0
  "$build/fuzz/fuzz_$target" -max_total_time="$part" -print_final_stats=1 \
    -artifact_prefix="$build/${target}-" "$work" "$seeds" >"$log" 2>&1 || status=$?
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    exit "$status"
  fi
  tail -n 12 "$log"
done
