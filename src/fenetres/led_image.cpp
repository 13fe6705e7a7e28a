// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "led_image.h"

TForm2::TForm2() : PictureWindow(QStringLiteral(":/designs/led_image.ui")) {}
