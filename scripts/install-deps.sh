#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages of the given groups (see debian-packages.txt)
# that are missing. Usage: install-deps.sh GROUP...
set -eu
here=$(dirname "$0")
missing=""
for group in "$@"; do
  for pkg in $(awk -v g="$group" '$1 == g { print $2 }' "$here/debian-packages.txt"); do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "ok installed" || missing="$missing $pkg"
  done
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installation des paquets manquants :$missing"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
