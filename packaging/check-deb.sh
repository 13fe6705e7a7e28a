#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks the Debian package as a distribution would before taking it: built
# twice with build-deb.sh from copies of the source in two differently named
# folders, the two .deb must be identical; lintian must find no error and no
# warning; hardening-check must pass on every program; the copyright,
# changelog and manual pages must be in it. Needs the "test" packages
# (lintian, devscripts, dpkg-dev, file).
# Usage: check-deb.sh SOURCE_DIR WORK_DIR VERSION
set -eu
src=$1 work=$2 version=$3
failed=0
fail() { echo "ÉCHEC : $*"; failed=1; }

for tool in lintian hardening-check dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null ||
    { echo "$tool manque (scripts/install-deps.sh test)"; exit 1; }
done

# The working tree as git sees it (committed or not, ignored files left out).
SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
export SOURCE_DATE_EPOCH
rm -rf "$work"
copy() {
  mkdir -p "$1"
  git -C "$src" ls-files -z --cached --others --exclude-standard |
    (cd "$src" && xargs -0 cp --parents -t "$1" 2>/dev/null || true)
}
copy "$work/a/ohmira"
copy "$work/second-build/source-tree"

echo "== deux constructions (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH)"
deb_a=$("$work/a/ohmira/packaging/build-deb.sh" "$work/a/build" | tail -n 1)
deb_b=$("$work/second-build/source-tree/packaging/build-deb.sh" \
          "$work/second-build/source-tree/b" | tail -n 1)
echo "$deb_a"
echo "$deb_b"
[ "$(basename "$deb_a")" = "ohmira_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "nom de paquet inattendu : $(basename "$deb_a")"

echo "== reproductibilité"
if cmp "$deb_a" "$deb_b"; then
  echo "identiques : $(sha256sum "$deb_a" | cut -d' ' -f1)"
else
  fail "les deux paquets diffèrent"
  dpkg-deb -c "$deb_a" >"$work/a.list"; dpkg-deb -c "$deb_b" >"$work/b.list"
  diff "$work/a.list" "$work/b.list" || true
  for d in a b; do
    mkdir -p "$work/x$d"
    eval dpkg-deb -R "\$deb_$d" "$work/x$d"
  done
  diff -r "$work/xa" "$work/xb" || true
fi

echo "== lintian"
lintian --fail-on error,warning --info "$deb_a" || fail "lintian"

echo "== hardening-check"
tree="$work/contents"
dpkg-deb -x "$deb_a" "$tree"
# Control-flow protection is left out: Debian 12's own start files lack the
# CET marks, so the linker drops them from every program built there.
for program in "$tree"/usr/bin/*; do
  hardening-check --nocfprotection "$program" || fail "hardening-check $(basename "$program")"
done

echo "== contenu"
for f in usr/share/doc/ohmira/copyright usr/share/doc/ohmira/changelog.gz \
         usr/share/man/man1/ohmira.1.gz usr/share/man/man1/ohmira-calc.1.gz \
         usr/share/man/fr/man1/ohmira.1.gz usr/share/man/fr/man1/ohmira-calc.1.gz; do
  [ -s "$tree/$f" ] || fail "$f manque au paquet"
done
zcat "$tree/usr/share/doc/ohmira/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$version" ] ||
  fail "le journal du paquet ne commence pas par la version $version"

# Only the package is kept once all is well: the two build trees are large.
if [ "$failed" -eq 0 ]; then
  cp "$deb_a" "$work/"
  rm -rf "$work/a" "$work/second-build" "$tree"
  echo "Paquet reproductible, propre pour lintian et durci : $work/$(basename "$deb_a")"
fi
exit "$failed"
