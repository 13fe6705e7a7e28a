// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The web pages the program offers, in one place, and the way it opens them.

#include <QUrl>

namespace ohmira::ui {

// "Lien TRES utile" in the main window's menu: what an LED is and how it
// is used.
inline const QUrl PageLed{QStringLiteral(
    "https://fr.wikipedia.org/wiki/Diode_%C3%A9lectroluminescente")};

// The summary table's link: the diode, its threshold (forward) voltage and
// the current-voltage curve that shows it.
inline const QUrl PageTensionSeuil{QStringLiteral(
    "https://fr.wikipedia.org/wiki/Diode")};

// Hands the page to the desktop's browser. Whether that worked is not
// reported: there is nothing the user could do about it here.
void openWebPage(const QUrl& page);

}  // namespace ohmira::ui
