#!/bin/bash

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# End-to-end test of the window program, as a person would use it with a
# screen reader: its own X server (Xvfb) and window manager (openbox), its
# own session bus with the accessibility bus on it, the program driven from
# outside with xdotool and read through AT-SPI (tests/e2e/personne.py).
#
# Usage: tests/e2e/run.sh OHMIRA [CACHE_DIR]
#   OHMIRA     the program to test (built or installed)
#   CACHE_DIR  where the French locale is compiled once (default: a
#              temporary directory, compiled at every run)
# Exit status: 0 passed, 77 a tool is missing (skipped), else failed.
#
# Nothing outside a temporary directory is touched: HOME, XDG_* and the
# locale all point into it. Every process started here or by personne.py
# is stopped by its process id when the test ends, however it ends.
set -euo pipefail

program=${1:?usage: run.sh OHMIRA [CACHE_DIR]}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3   # Debian's, where python3-pyatspi lives

missing=()
for tool in Xvfb openbox xdotool xwininfo xprop dbus-run-session localedef; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
"$python" -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "skipped: missing ${missing[*]} (scripts/debian-packages.txt, group test)" >&2
  exit 77
fi
[ -x "$program" ] || { echo "no program at $program" >&2; exit 1; }

work=$(mktemp -d /tmp/ohmira-e2e.XXXXXX)
pids=()
cleanup() {
  local pid i
  # The driver first, so it stops what it started, while its bus still runs.
  if [ -s "$work/personne.pid" ]; then
    pid=$(cat "$work/personne.pid")
    kill "$pid" 2>/dev/null || true
    for ((i = 0; i < 50; i++)); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  fi
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A French user's locale, so numbers are read and written with a comma.
# Qt takes the separator from LANG itself, but glibc must know the locale
# too or Qt falls back to C with a warning; rather than generating it for
# the whole machine (root, and a change left behind), it is compiled from
# Debian's sources (package locales) into the cache and found via LOCPATH.
locales=${2:-$work/locale}
if [ ! -e "$locales/fr_FR.UTF-8/LC_NUMERIC" ]; then
  mkdir -p "$locales"
  compiled=$locales/fr_FR.UTF-8.$$
  localedef -i fr_FR -f UTF-8 "$compiled" >/dev/null 2>&1 ||
    { rm -rf "$compiled"; echo "localedef fr_FR.UTF-8 failed (package locales)" >&2; exit 1; }
  # Another run may have compiled it meanwhile; either copy will do.
  mv -T "$compiled" "$locales/fr_FR.UTF-8" 2>/dev/null || rm -rf "$compiled"
fi
# (Given to the session only: this shell would warn, not knowing LOCPATH.)
french=(LOCPATH="$locales" LANG=fr_FR.UTF-8 LANGUAGE=fr)
unset LC_ALL LC_NUMERIC LC_CTYPE LC_MESSAGES

# A home of our own: openbox, the accessibility bus and Qt write there.
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$work/home/.config XDG_CACHE_HOME=$work/home/.cache
export XDG_DATA_HOME=$work/home/.local/share
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
unset QT_LINUX_ACCESSIBILITY_ALWAYS_ON QT_ACCESSIBILITY SESSION_MANAGER

# A display number nobody uses; Xvfb writes it to the pipe once it is ready.
exec 3< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>"$work/xvfb.log")
pids+=($!)
display=
read -r -t 20 display <&3 || true
exec 3<&-
[ -n "$display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$display

# personne.py starts the window manager, the accessibility bus and the
# program, on this session bus, and stops them itself.
"$python" "$here/personne.py" --reaper env "${french[@]}" \
  dbus-run-session -- "$python" "$here/personne.py" "$program" "$work" &
pids+=($!)
status=0
wait "$!" || status=$?
exit "$status"
