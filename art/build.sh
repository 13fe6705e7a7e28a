#!/bin/sh

# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Remakes the JPEG pictures of designs/ from the sources in art/.
# Needs the "art" packages: scripts/install-deps.sh art
# Usage: art/build.sh [NAME...]   (default: every picture)
set -eu
art=$(cd "$(dirname "$0")" && pwd)
designs="$art/../designs"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name   source            width height   -> designs/NAME.jpg
pictures="
led_pass_serie       serie.svg          150 134
led_pass_parallele   parallele.svg      150 295
led_image_photo      led_photo.pov      323 503
schema_polarisation  polarisation.svg   218 494
led_tableau_tableau  tableau.svg        590 338
"

encode() {  # PNG -> baseline JPEG through libjpeg's own encoder
  convert "$1" -background white -alpha remove -alpha off ppm:- |
    cjpeg -quality 92 -optimize -outfile "$2"
}

echo "$pictures" | while read -r name source width height; do
  [ -n "$name" ] || continue
  if [ $# -gt 0 ]; then
    case " $* " in *" $name "*) ;; *) continue ;; esac
  fi
  png="$tmp/$name.png"
  case "$source" in
    *.svg) rsvg-convert -w "$width" -h "$height" -b white "$art/$source" -o "$png" ;;
    *.pov) (cd "$art" && povray -D +Q11 +A0.05 +R4 +W"$width" +H"$height" \
              +I"$source" +O"$png" >"$tmp/$name.log" 2>&1) ||
             { cat "$tmp/$name.log"; exit 1; } ;;
  esac
  encode "$png" "$designs/$name.jpg"
  echo "designs/$name.jpg ($width x $height)"
done
