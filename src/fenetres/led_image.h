// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The LED photograph window (designs/led_image.ui): one picture, no code.

#include "ui/picture_window.h"

class TForm2 : public ohmira::ui::PictureWindow {
    Q_OBJECT
public:
    TForm2();
};
