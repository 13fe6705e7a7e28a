# SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package: `cmake --build BUILD --target package` writes
# BUILD/ohmira_<version>_<arch>.deb. Included last, after every install rule.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ohmira)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Ohmira)
set(CPACK_PACKAGE_CONTACT "${OHMIRA_DEB_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL https://ohmira.github.io/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "series resistor calculator for LEDs, in French")
# CPack indents the lines and turns the empty one into the " ." separator.
set(CPACK_PACKAGE_DESCRIPTION
"Ohmira tells which resistor to put in series with one LED, or with several
identical LEDs in parallel: pick the LED colour, type the supply voltage and
the number of LEDs. It gives the exact resistance and the E24 standard value
to buy, for 20 mA per LED. The program and its command-line companion
ohmira-calc speak French.

Ohmira indique la résistance à placer en série devant une LED, ou devant
plusieurs LED identiques en parallèle : choisissez la couleur de la LED,
tapez la tension du générateur et le nombre de LED. Il donne la valeur
exacte et la valeur normalisée E24 à acheter, pour 20 mA par LED.")

set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps (package dpkg-dev) reads the programs' ELF dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
if(TARGET ohmira)
  # Out of dpkg-shlibdeps' sight: Qt loads its window-system plugin at run
  # time (libqt6gui6 only recommends it), and the windows are laid out for
  # DejaVu Sans and its condensed faces, found through fontconfig; Qt's own
  # texts (edit menus...) are read in French from its translations.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "qt6-qpa-plugins, fonts-dejavu-core, fonts-dejavu-extra, qt6-translations-l10n")
  # The menu's web pages go to the browser through xdg-open; the
  # calculators work without it.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
endif()

include(CPack)
