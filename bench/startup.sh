#!/bin/bash
# Start-up time and memory of the window program against a bare Qt window.
#
# On a virtual X server of its own, runs `ohmira` and bench/bare_window in
# turn, RUNS times each (plus one warm-up each, not counted). Each program
# is started with OHMIRA_BENCH_EXIT_ON_MAP=1: once its main window is on
# screen and painted it prints the time (CLOCK_REALTIME) and its resident
# memory, then closes. The time counted is from just before the shell starts
# the process to that moment. Prints the medians and their ratios, and the
# CPU time the process used until then (less sensitive to a busy machine).
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]   (defaults: build-gui, 31)
# Needs: Xvfb (package xvfb), bash 5 (for EPOCHREALTIME).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-gui}
runs=${2:-31}
program=$build/src/ohmira
bare=$build/bench/bare_window
for exe in "$program" "$bare"; do
  [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)" >&2; exit 1; }
done

# A display number nobody uses; Xvfb writes it to the pipe once it is ready.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r line <&3; xvfb_pid=${line#pid }
read -r display <&3
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
export DISPLAY=:$display
unset QT_QPA_PLATFORM
export OHMIRA_BENCH_EXIT_ON_MAP=1

# One run: prints "<milliseconds> <KiB> <CPU milliseconds>".
measure() {
  local start out mapped rss cpu
  start=${EPOCHREALTIME/./}                       # microseconds
  out=$("$1" 2>/dev/null)
  mapped=$(sed -n 's/.*realtime_ns=\([0-9]*\).*/\1/p' <<<"$out")
  rss=$(sed -n 's/.*rss_kib=\([0-9]*\).*/\1/p' <<<"$out")
  cpu=$(sed -n 's/.*cpu_us=\([0-9]*\).*/\1/p' <<<"$out")
  [ -n "$mapped" ] || { echo "no map marker from $1" >&2; exit 1; }
  awk -v s="$start" -v m="$mapped" -v r="$rss" -v c="$cpu" \
    'BEGIN { printf "%.3f %d %.3f\n", (m / 1000 - s) / 1000, r, c / 1000 }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

measure "$program" >/dev/null; measure "$bare" >/dev/null   # warm caches
: >"${tmp:=$(mktemp)}"
for ((i = 0; i < runs; i++)); do
  echo "ohmira $(measure "$program")" >>"$tmp"
  echo "bare $(measure "$bare")" >>"$tmp"
done

ms_ohmira=$(awk '$1 == "ohmira" { print $2 }' "$tmp" | median)
ms_bare=$(awk '$1 == "bare" { print $2 }' "$tmp" | median)
kib_ohmira=$(awk '$1 == "ohmira" { print $3 }' "$tmp" | median)
kib_bare=$(awk '$1 == "bare" { print $3 }' "$tmp" | median)
cpu_ohmira=$(awk '$1 == "ohmira" { print $4 }' "$tmp" | median)
cpu_bare=$(awk '$1 == "bare" { print $4 }' "$tmp" | median)
rm -f "$tmp"

awk -v runs="$runs" -v mo="$ms_ohmira" -v mb="$ms_bare" -v ko="$kib_ohmira" -v kb="$kib_bare" \
    -v co="$cpu_ohmira" -v cb="$cpu_bare" 'BEGIN {
  printf "median of %d interleaved runs on Xvfb, from start to window mapped and painted\n", runs
  printf "  %-12s %9s %9s %12s\n", "", "time", "RSS", "CPU time"
  printf "  %-12s %6.1f ms %5.1f MiB %9.1f ms\n", "ohmira", mo, ko / 1024, co
  printf "  %-12s %6.1f ms %5.1f MiB %9.1f ms\n", "bare_window", mb, kb / 1024, cb
  printf "  %-12s %9.3f %9.3f %12.3f\n", "ratio", mo / mb, ko / kb, co / cb
}'
