// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schema.h"

TForm3::TForm3() : PictureWindow(QStringLiteral(":/designs/schema.ui")) {}
