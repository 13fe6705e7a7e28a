#!/bin/bash

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

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
# With --desktop, the same comparison under the conditions a user has: a
# session bus of its own (dbus-run-session) with the accessibility bus on it
# (at-spi-bus-launcher, as a desktop session starts it) and the openbox
# window manager, measured twice:
#   "desktop"        nobody has asked for accessibility (Qt only asks the
#                    bus whether it should be on);
#   "screen reader"  the screen-reader flag set on the bus, as a screen
#                    reader sets it when it starts, and a listener that,
#                    like one, reads the name and role of every window
#                    activated and every control given the focus; Qt's
#                    accessibility is then on in both programs.
#
# Usage: bench/startup.sh [--desktop] [BUILD_DIR] [RUNS]
#        (defaults: build-gui, 31)
# Needs: Xvfb (package xvfb), bash 5 (for EPOCHREALTIME); for --desktop also
# dbus-run-session and dbus-send (dbus), at-spi2-core, openbox and
# python3-pyatspi for Debian's /usr/bin/python3.
set -euo pipefail

desktop=0
if [ "${1:-}" = "--desktop" ]; then desktop=1; shift; fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-gui}
runs=${2:-31}
program=$build/src/ohmira
bare=$build/bench/bare_window
for exe in "$program" "$bare"; do
  [ -x "$exe" ] || { echo "missing $exe: build first (cmake --build $build)" >&2; exit 1; }
done

# --desktop: everything below runs again inside a session bus of its own.
if [ "$desktop" = 1 ] && [ -z "${OHMIRA_BENCH_SESSION:-}" ]; then
  exec env OHMIRA_BENCH_SESSION=1 dbus-run-session -- "$0" --desktop "$build" "$runs"
fi

pids=()
work=$(mktemp -d)
cleanup() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do wait "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A display number nobody uses; Xvfb writes it to the pipe once it is ready.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r display <&3
exec 3<&-
export DISPLAY=:$display
unset QT_QPA_PLATFORM QT_LINUX_ACCESSIBILITY_ALWAYS_ON
export OHMIRA_BENCH_EXIT_ON_MAP=1

# Polls a command for up to 10 s.
wait_until() {
  local i
  for ((i = 0; i < 200; i++)); do "$@" && return 0; sleep 0.05; done
  echo "gave up waiting for: $*" >&2
  exit 1
}

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

# Interleaved runs of both programs; prints the table, headed by $1.
compare() {
  local title=$1 tmp=$work/runs i
  measure "$program" >/dev/null; measure "$bare" >/dev/null   # warm caches
  : >"$tmp"
  for ((i = 0; i < runs; i++)); do
    echo "ohmira $(measure "$program")" >>"$tmp"
    echo "bare $(measure "$bare")" >>"$tmp"
  done

  local ms_ohmira ms_bare kib_ohmira kib_bare cpu_ohmira cpu_bare
  ms_ohmira=$(awk '$1 == "ohmira" { print $2 }' "$tmp" | median)
  ms_bare=$(awk '$1 == "bare" { print $2 }' "$tmp" | median)
  kib_ohmira=$(awk '$1 == "ohmira" { print $3 }' "$tmp" | median)
  kib_bare=$(awk '$1 == "bare" { print $3 }' "$tmp" | median)
  cpu_ohmira=$(awk '$1 == "ohmira" { print $4 }' "$tmp" | median)
  cpu_bare=$(awk '$1 == "bare" { print $4 }' "$tmp" | median)

  awk -v title="$title" -v mo="$ms_ohmira" -v mb="$ms_bare" -v ko="$kib_ohmira" \
      -v kb="$kib_bare" -v co="$cpu_ohmira" -v cb="$cpu_bare" 'BEGIN {
    print title
    printf "  %-12s %9s %9s %12s\n", "", "time", "RSS", "CPU time"
    printf "  %-12s %6.1f ms %5.1f MiB %9.1f ms\n", "ohmira", mo, ko / 1024, co
    printf "  %-12s %6.1f ms %5.1f MiB %9.1f ms\n", "bare_window", mb, kb / 1024, cb
    printf "  %-12s %9.3f %9.3f %12.3f\n", "ratio", mo / mb, ko / kb, co / cb
  }'
}

if [ "$desktop" = 0 ]; then
  compare "median of $runs interleaved runs on Xvfb, from start to window mapped and painted"
  exit 0
fi

# ---- --desktop ----------------------------------------------------------------

python=/usr/bin/python3   # Debian's, where python3-pyatspi lives
# The accessibility bus keeps its socket in the runtime directory, and would
# save the screen-reader flag in the user's settings: neither outlives us.
mkdir -m 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run

GSETTINGS_BACKEND=memory /usr/libexec/at-spi-bus-launcher --launch-immediately \
  >"$work/at-spi.log" 2>&1 &
pids+=($!)
a11y_bus_up() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
wait_until a11y_bus_up

openbox --sm-disable --startup "touch $work/openbox.ready" >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until test -e "$work/openbox.ready"

where="on Xvfb with openbox and the accessibility bus, from start to window mapped and painted"
compare "desktop: median of $runs interleaved runs $where"
echo

dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status \
  string:ScreenReaderEnabled variant:boolean:true >/dev/null
# The listener a screen reader would be, as far as start-up is concerned.
"$python" -c '
import sys, pyatspi

def read(event):
    try:
        source = event.source
        source.name, source.getRoleName(), source.description
        if source.childCount > 0:  # a list: the entry chosen
            source.getChildAtIndex(0).name
    except Exception:
        pass  # the program may already be gone

pyatspi.Registry.registerEventListener(
    read, "window:activate", "object:state-changed:focused")
open(sys.argv[1], "w").close()
pyatspi.Registry.start()
' "$work/reader.ready" >"$work/reader.log" 2>&1 &
pids+=($!)
wait_until test -e "$work/reader.ready"
compare "screen reader: median of $runs interleaved runs $where"
