// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_set.h"

#include "led_image.h"
#include "led_tableau.h"
#include "schema.h"

#include <array>
#include <iterator>

namespace {

template <class Window>
std::unique_ptr<QWidget> create()
{
    return std::make_unique<Window>();
}

// The windows the main window's menu shows, in creation order. A new one
// takes its design, its unit, a line here and its menu item in led_pass.ui.
// The handlers keep the design's names, made from the menu captions without
// accents and blanks: "ableauxrcapitulatif1Click", for "&Tableaux
// récapitulatif", lost its first letter there and is no typo to mend here.
constexpr std::array MenuWindows = {
    ohmira::ui::MenuWindow{"ImageduneLED1Click", create<TForm2>},
    ohmira::ui::MenuWindow{"SchmaPolarisation1Click", create<TForm3>},
    ohmira::ui::MenuWindow{"ableauxrcapitulatif1Click", create<TForm4>},
};

}  // namespace

std::span<const ohmira::ui::MenuWindow> WindowSet::menuWindows()
{
    return MenuWindows;
}

WindowSet::WindowSet() : main_(std::make_unique<TForm1>(MenuWindows))
{
    for (const ohmira::ui::MenuWindow& entry : MenuWindows) {
        others_.push_back(entry.create());
        main_->setMenuWindow(entry.menuHandler, *others_.back());
    }
}
