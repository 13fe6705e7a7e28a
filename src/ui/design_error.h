// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one error a window's design can cause: something it stores is missing,
// unknown or wrong. Start-up stops on it with its message, which always
// names the window and, once loaded, its design file.

#include <QString>

#include <stdexcept>

class QWidget;

namespace ohmira::ui {

class DesignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Set on a window by the design loader: the file name of its design.
inline constexpr const char* DesignProperty = "ohmiraDesign";

// How messages name a window: "Form1 (led_pass.ui)" once a design has been
// loaded into it, else its object name.
QString windowLabel(const QWidget& window);

// Throws DesignError("Fenêtre Form1 (led_pass.ui) : <what>"); the second
// form names a window not built yet by its design's path.
[[noreturn]] void designError(const QWidget& window, const QString& what);
[[noreturn]] void designError(const QString& window, const QString& what);

}  // namespace ohmira::ui
