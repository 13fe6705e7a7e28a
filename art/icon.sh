#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the application icon art/icon.svg into the PNG sizes of the hicolor
# icon theme, under packaging/icons/ (the SVG itself is installed as the
# scalable size). Needs the "art" packages: scripts/install-deps.sh art
set -eu
art=$(cd "$(dirname "$0")" && pwd)
id=io.github.ohmira.Ohmira
icons="$art/../packaging/icons/hicolor"

for size in 16 32 48 64 128 256; do
  dir="$icons/${size}x${size}/apps"
  mkdir -p "$dir"
  rsvg-convert -w "$size" -h "$size" "$art/icon.svg" -o "$dir/$id.png"
  echo "packaging/icons/hicolor/${size}x${size}/apps/$id.png"
done
