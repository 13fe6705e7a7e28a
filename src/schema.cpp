#include "schema.h"

#include "ui/binder.h"
#include "ui/design_loader.h"
#include "ui/scrolling.h"
#include "ui/windows.h"

TForm3::TForm3()
{
    loadDesign();
    addScrollBars();
    bindHandlers();
    placeWindow();
}

void TForm3::loadDesign()
{
    ohmira::ui::DesignLoader().loadInto(*this, QStringLiteral(":/designs/schema.ui"));
}

void TForm3::addScrollBars()
{
    ohmira::ui::scrollAutomatically(*this);
}

void TForm3::bindHandlers()
{
    ohmira::ui::bindHandlers(*this, {});
}

void TForm3::placeWindow()
{
    ohmira::ui::placeWindow(*this);
}
