// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "led_tableau.h"

#include "ui/binder.h"
#include "ui/controls.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/web.h"
#include "ui/windows.h"

TForm4::TForm4()
{
    loadDesign();
    addScrollBars();
    findControls();
    bindHandlers();
    placeWindow();
}

void TForm4::loadDesign()
{
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/led_tableau.ui"));
}

void TForm4::addScrollBars()
{
    ohmira::ui::scrollAutomatically(*this);
}

void TForm4::findControls()
{
    Label3 = &ohmira::ui::control<ohmira::ui::Label>(*this, "Label3");
}

void TForm4::bindHandlers()
{
    ohmira::ui::bindWindowHandlers(*this);
}

void TForm4::placeWindow()
{
    ohmira::ui::placeWindow(*this);
}

// ---- Handlers ---------------------------------------------------------------

void TForm4::Label3MouseMove()
{
    underlineLink(true);
}

void TForm4::FormMouseMove()
{
    underlineLink(false);
}

void TForm4::Label3Click()
{
    ohmira::ui::openWebPage(ohmira::ui::PageTensionSeuil);
}

// Every move of the pointer comes here: the label is given a new font, and
// so repainted, only when the underline actually changes.
void TForm4::underlineLink(bool underlined)
{
    QFont font = Label3->font();
    if (font.underline() == underlined)
        return;
    font.setUnderline(underlined);
    Label3->setFont(font);
}
