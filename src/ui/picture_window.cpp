// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picture_window.h"

#include "ui/binder.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/windows.h"

namespace ohmira::ui {

PictureWindow::PictureWindow(const QString& design)
{
    DesignLoader().loadInto(*this, design);
    scrollAutomatically(*this);
    bindHandlers(*this, {});  // a design binding anything here is an error
    placeWindow(*this);
}

}  // namespace ohmira::ui
