#include "led_tableau.h"

#include "ui/binder.h"
#include "ui/design_loader.h"
#include "ui/windows.h"

TForm4::TForm4()
{
    loadDesign();
    bindHandlers();
    placeWindow();
}

void TForm4::loadDesign()
{
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/led_tableau.ui"));
}

void TForm4::bindHandlers()
{
    ohmira::ui::bindHandlers(*this, {});
}

void TForm4::placeWindow()
{
    ohmira::ui::placeWindow(*this);
}
