#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the Debian changelog of the package from CHANGELOG.md, the one list
# of releases: each "## VERSION — YYYY-MM-DD HH:MM" becomes an entry signed
# by MAINTAINER at that time (UTC), each "- " line an item.
# Usage: debian-changelog.sh CHANGELOG.md "NAME <EMAIL>" >changelog
set -eu
[ $# -eq 2 ] || { echo "usage: $0 CHANGELOG.md MAINTAINER" >&2; exit 2; }
LC_ALL=C awk -v who="$2" '
  function signer() { if (version != "") printf "\n -- %s  %s\n", who, stamp }
  /^## / {
    if ($4 !~ /^[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/ || $5 !~ /^[0-9][0-9]:[0-9][0-9]$/) {
      print FILENAME ":" FNR ": « AAAA-MM-JJ HH:MM » attendu : " $0 > "/dev/stderr"; exit 1
    }
    if (version != "") { signer(); print "" }
    version = $2
    command = "date -u -R -d \"" $4 " " $5 " UTC\""
    if ((command | getline stamp) <= 0) exit 1
    close(command)
    printf "ohmira (%s) unstable; urgency=medium\n\n", version
    next
  }
  version == "" || /^$/ { next }
  /^- / { print "  * " substr($0, 3); next }
  /^  [^ ]/ { print "    " substr($0, 3); next }
  { print FILENAME ":" FNR ": ligne inattendue : " $0 > "/dev/stderr"; exit 1 }
  END { signer() }
' "$1"
