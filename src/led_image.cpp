#include "led_image.h"

#include "ui/binder.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/windows.h"

TForm2::TForm2()
{
    loadDesign();
    addScrollBars();
    bindHandlers();
    placeWindow();
}

void TForm2::loadDesign()
{
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/led_image.ui"));
}

void TForm2::addScrollBars()
{
    ohmira::ui::scrollAutomatically(*this);
}

void TForm2::bindHandlers()
{
    ohmira::ui::bindHandlers(*this, {});
}

void TForm2::placeWindow()
{
    ohmira::ui::placeWindow(*this);
}
