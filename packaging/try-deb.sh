#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs a built .deb into a fresh minimal Debian 12 system (no compiler,
# no -dev package, no recommended package) and starts what it ships there, to
# prove that its Depends line is enough. Needs root, network access to the
# Debian archive, and the "package" and "test" packages (mmdebstrap,
# xwininfo, Xvfb).
# Usage: packaging/try-deb.sh BUILD/ohmira_VERSION_ARCH.deb
set -eu
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: $0 PAQUET.deb" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "$0 : à lancer en root (chroot)" >&2; exit 2; }
deb=$(realpath "$1")
work=$(mktemp -d)
xvfb_pid="" watch_pid=""
cleanup() {
  [ -z "$watch_pid" ] || kill "$watch_pid" 2>/dev/null || true
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display on this machine. The chroot shares its network namespace, so
# Xlib reaches it through the abstract socket; nothing is bind-mounted that
# mmdebstrap's clean-up could walk into.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.5
done
[ -e "/tmp/.X11-unix/X$display" ] || { cat "$work/xvfb.log"; exit 1; }

cat >"$work/try.sh" <<SCRIPT
#!/bin/sh
# Runs inside the fresh system, after the package is installed.
set -eu
status=0
for program in \$(dpkg -L ohmira | grep '^/usr/bin/'); do
  if ldd "\$program" | grep 'not found'; then
    echo "ÉCHEC : bibliothèque introuvable pour \$program"; status=1
  fi
done
echo "== ohmira-calc --separateur , serie rouge 5"
ohmira-calc --separateur , serie rouge 5 || status=1
if [ -x /usr/bin/ohmira ]; then
  # Still running after a few seconds means it got its window up.
  echo "== ohmira (5 s sur l'écran :$display)"
  rc=0
  DISPLAY=:$display timeout 5 ohmira || rc=\$?
  if [ "\$rc" -ne 124 ]; then
    echo "ÉCHEC : ohmira s'est arrêté avec le code \$rc"; status=1
  fi
fi
exit \$status
SCRIPT
chmod +x "$work/try.sh"

# Notes from outside when the main window, captioned "Ohmira 1.1", is mapped.
(
  while :; do
    if xwininfo -root -tree -display ":$display" 2>/dev/null | grep -q '"Ohmira 1\.1"'; then
      touch "$work/window-seen"; break
    fi
    sleep 0.3
  done
) &
watch_pid=$!

# The customize hooks run with /proc, /dev and /sys mounted in the chroot.
mmdebstrap --variant=apt --dpkgopt=path-exclude=/usr/share/man/* \
  --customize-hook="cp '$deb' '$work/try.sh' \"\$1/tmp/\"" \
  --customize-hook="chroot \"\$1\" apt-get install -y --no-install-recommends /tmp/$(basename "$deb")" \
  --customize-hook="chroot \"\$1\" dpkg -l | awk '/^ii/ { print \$2 }' | grep -E -- '-dev\$|^(g\\+\\+|gcc|cmake|make)\$' && { echo 'ÉCHEC : paquet de construction présent'; exit 1; } || true" \
  --customize-hook="chroot \"\$1\" dpkg -L ohmira >'$work/files'" \
  --customize-hook="chroot \"\$1\" /tmp/try.sh" \
  bookworm /dev/null
if grep -q '^/usr/bin/ohmira$' "$work/files" && [ ! -e "$work/window-seen" ]; then
  echo "ÉCHEC : la fenêtre « Ohmira 1.1 » n'est jamais apparue"; exit 1
fi
echo "Le paquet s'installe et démarre sur un système Debian 12 nu."
