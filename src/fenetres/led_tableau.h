// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The summary table window, shown modally from the main window's menu: two
// lines of explanation over a picture of the table, and a link label,
// Label3, to a page on measuring an LED's threshold voltage. Its design is
// designs/led_tableau.ui; it is created hidden at start-up and closing it
// only hides it, so the link's look lasts from one showing to the next.
//
// The link underlines when the pointer moves over it and turns plain again
// only when the pointer moves over the bare window; going from it straight
// onto another control, or out of the window, leaves it underlined. A click
// on it opens the page; the window stays.

#include <QWidget>

namespace ohmira::ui {
class Label;
}  // namespace ohmira::ui

class TForm4 : public QWidget {
    Q_OBJECT
public:
    TForm4();

public slots:
    // Handlers, bound by name from the design.
    void Label3MouseMove();
    void FormMouseMove();
    void Label3Click();

private:
    void loadDesign();
    void addScrollBars();
    void findControls();
    void bindHandlers();
    void placeWindow();
    void underlineLink(bool underlined);

    ohmira::ui::Label* Label3 = nullptr;
};
