// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A reference window with no code of its own: its design's pictures, shown
// modally from the main window's menu. Created hidden at start-up, closing
// it only hides it; made smaller than its pictures, it scrolls.

#include <QString>
#include <QWidget>

namespace ohmira::ui {

class PictureWindow : public QWidget {
    Q_OBJECT
protected:
    explicit PictureWindow(const QString& design);
};

}  // namespace ohmira::ui
