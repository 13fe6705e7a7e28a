#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks a built manual page: man renders it without a single warning, and it
# describes every long option the program's --help lists.
# Usage: check.sh PAGE.1 PROGRAM
set -eu
page=$1 program=$2
failed=0

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || failed=1
if [ -n "$warnings" ]; then
  echo "$warnings"
  failed=1
fi

rendered=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null)
for option in $("$program" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  printf '%s\n' "$rendered" | grep -q -- "$option" ||
    { echo "ÉCHEC : $option (dans --help) manque à la page $(basename "$page")"; failed=1; }
done

[ "$failed" -eq 0 ] && echo "$(basename "$page") : aucune remarque de man, toutes les options décrites."
exit "$failed"
