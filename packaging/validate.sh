#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the desktop entry and the AppStream metadata with the freedesktop
# validators, first as written, then as installed next to the icons and the
# programs, so that a wrong file name or install folder is caught too.
# Usage: validate.sh SOURCE_DIR BUILD_DIR VERSION
set -eu
src=$1 build=$2 version=$3
id=io.github.ohmira.Ohmira
desktop="$src/packaging/$id.desktop"
metainfo="$src/packaging/$id.metainfo.xml"
failed=0
fail() { echo "ÉCHEC : $*"; failed=1; }

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null ||
    { echo "$tool manque (scripts/install-deps.sh test)"; exit 1; }
done

# desktop-file-validate exits 0 on hints; we want none at all.
echo "== desktop-file-validate $id.desktop"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate"
[ -z "$out" ] || { echo "$out"; fail "desktop-file-validate a des remarques"; }

# --strict fails on anything above a pedantic hint.
echo "== appstreamcli validate $id.metainfo.xml"
appstreamcli validate --pedantic --strict --no-net "$metainfo" || fail "appstreamcli validate"

# The newest release listed must be the version being built, or software
# centres would show a stale one.
newest=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$metainfo" | head -n 1)
[ "$newest" = "$version" ] ||
  fail "la dernière version de $id.metainfo.xml est « $newest », le projet est en $version"

# CHANGELOG.md is the one list of releases; the metadata repeats its
# versions and dates, newest first.
releases() { sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' "$metainfo"; }
changes() { sed -n 's/^## \([^ ]*\) — \([0-9-]*\) .*/\1 \2/p' "$src/CHANGELOG.md"; }
if [ "$(releases)" != "$(changes)" ]; then
  fail "les <releases> de $id.metainfo.xml ne suivent pas CHANGELOG.md"
  echo "metainfo :"; releases; echo "CHANGELOG.md :"; changes
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
echo "== cmake --install dans $tmp"
cmake --install "$build" --prefix "$tmp/usr" >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log"; fail "cmake --install"; exit 1; }

share="$tmp/usr/share"
for f in "applications/$id.desktop" "metainfo/$id.metainfo.xml" \
         "icons/hicolor/scalable/apps/$id.svg" doc/ohmira/copyright \
         doc/ohmira/changelog.gz man/man1/ohmira.1.gz man/man1/ohmira-calc.1.gz \
         man/fr/man1/ohmira.1.gz man/fr/man1/ohmira-calc.1.gz; do
  [ -s "$share/$f" ] || fail "share/$f n'est pas installé"
done
# man falls back on man1 for any language without its own folder: English
# belongs there, French in fr/man1.
for page in ohmira ohmira-calc; do
  for dir_section in man1:NAME fr/man1:NOM; do
    dir=${dir_section%:*} section=${dir_section#*:}
    gzip -dc "$share/man/$dir/$page.1.gz" 2>/dev/null | grep -q "^\.SH $section\$" ||
      fail "share/man/$dir/$page.1.gz n'a pas de section $section"
  done
done
for size in 16 32 48 64 128 256; do
  png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -s "$png" ] || { fail "icône ${size}x${size} absente"; continue; }
  # Bytes 16-23 of a PNG are its width and height, big-endian.
  dims=$(od -An -j16 -N8 -tu1 "$png" | awk '{ print $3*256+$4 "x" $7*256+$8 }')
  [ "$dims" = "${size}x${size}" ] || fail "icône ${size}x${size} mesure $dims"
done
for program in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
  [ -x "$tmp/usr/bin/$program" ] || fail "bin/$program annoncé mais pas installé"
done

# Cross-checks metainfo, desktop entry and icon as a software centre would.
echo "== appstreamcli validate-tree"
appstreamcli validate-tree --pedantic --strict --no-net "$tmp" || fail "appstreamcli validate-tree"

[ "$failed" -eq 0 ] && echo "Tout est valide."
exit "$failed"
