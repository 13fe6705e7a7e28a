#include "ui/web.h"

#include <QDesktopServices>

namespace ohmira::ui {

void openWebPage(const QUrl& page)
{
    QDesktopServices::openUrl(page);
}

}  // namespace ohmira::ui
