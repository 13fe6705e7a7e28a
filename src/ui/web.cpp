// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/web.h"

#include <QDesktopServices>

namespace ohmira::ui {

void openWebPage(const QUrl& page)
{
    QDesktopServices::openUrl(page);
}

}  // namespace ohmira::ui
