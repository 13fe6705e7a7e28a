// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's window set: the main window, created first, then every
// window its menu shows, all kept for the whole run (closing one of those
// only hides it).

#include "led_pass.h"
#include "ui/windows.h"

#include <QWidget>

#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

class WindowSet {
public:
    WindowSet();

    // The windows the main window's menu shows, by their menu handler.
    static std::span<const ohmira::ui::MenuWindow> menuWindows();

    TForm1& main() { return *main_; }

    // The window of class T among those the menu shows.
    template <class T>
    T& window()
    {
        for (const auto& candidate : others_)
            if (auto* found = qobject_cast<T*>(candidate.get()))
                return *found;
        throw std::logic_error("no such window");
    }

private:
    std::unique_ptr<TForm1> main_;
    std::vector<std::unique_ptr<QWidget>> others_;
};
