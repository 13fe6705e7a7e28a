#!/bin/sh
# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package as a distribution would: Debian's compiler and
# linker flags from dpkg-buildflags with all hardening on (PIE, stack
# protector, _FORTIFY_SOURCE=2, RELRO, bind-now), build type None, no build
# folder and no clock time in what is shipped (every date is the last
# commit's). Two runs from one commit, in any two folders, give the same
# .deb byte for byte. Needs the "package" packages (dpkg-dev, file).
# Usage: packaging/build-deb.sh [BUILD_DIR]  (default: build-deb)
# Prints the path of the .deb on its last line.
set -eu
src=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$src/build-deb}
mkdir -p "$build"
build=$(cd "$build" && pwd)

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct 2>/dev/null) ||
    { echo "$0 : pas de dépôt git, indiquez SOURCE_DATE_EPOCH" >&2; exit 2; }
fi
export SOURCE_DATE_EPOCH
umask 022
export LC_ALL=C.UTF-8 TZ=UTC

# From the source folder, so that dpkg-buildflags maps it to "." itself.
cd "$src"
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# CMake does not read CPPFLAGS; the build folder is mapped last so that it
# wins when it lies inside the source folder.
cxxflags="$CPPFLAGS $CXXFLAGS -ffile-prefix-map=$src=. -ffile-prefix-map=$build=."
# Newer dpkg-buildflags add it too.
cxxflags="$cxxflags -fstack-clash-protection"

cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" \
  -DBUILD_TESTING=OFF -DOHMIRA_BENCH=OFF >"$build/configure.log" ||
  { cat "$build/configure.log"; exit 1; }
cmake --build "$build" -j "$(nproc)" --target package >"$build/build.log" 2>&1 ||
  { tail -n 50 "$build/build.log"; exit 1; }
grep -i 'warning' "$build/build.log" || true
ls "$build"/ohmira_*.deb
