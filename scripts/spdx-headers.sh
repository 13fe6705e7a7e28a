#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Gives every file that `reuse lint` finds without copyright and licence the
# project's header (GPL-3.0-or-later). Files that already have one are left
# alone, so it can be run again after new files arrive. Files that cannot
# carry a comment belong in .reuse/dep5 instead. Needs reuse (group test).
# Usage: scripts/spdx-headers.sh
set -eu
cd "$(dirname "$0")/.."
holder="Les développeurs d'Ohmira"
year=2026

reuse lint 2>/dev/null |
  sed -n '/^# MISSING COPYRIGHT AND LICENSING INFORMATION/,/^# SUMMARY/s/^\* //p' |
  sort -u |
  while IFS= read -r file; do
    # reuse guesses the comment syntax from the extension; these it does not know.
    case ${file##*/} in
      *.ui|*.svg|*.xml) style="--style html" ;;
      *.pov) style="--style c" ;;
      *.desktop|*.txt|.gitignore) style="--style python" ;;
      ?*.*) style="" ;;
      *) style="--style python" ;;  # scripts without an extension
    esac
    # shellcheck disable=SC2086
    reuse annotate --copyright "$holder" --license GPL-3.0-or-later --year "$year" \
      --skip-existing $style "$file" >/dev/null
    echo "$file"
  done
