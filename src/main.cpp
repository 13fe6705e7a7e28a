// Ohmira: which resistor to put in front of one LED, or of several LEDs in
// parallel. Creates the application and its windows, the main window first,
// and runs until the main window is closed.

#include "ui/application.h"
#include "ui/map_marker.h"
#include "window_set.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace {

// A window that cannot be built (a broken design) stops the program before
// anything shows; say why where a desktop user and a terminal both see it.
void startupFailed(const char* why)
{
    std::fprintf(stderr, "ohmira : %s\n", why);
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(),
                          QString::fromUtf8(why));
}

}  // namespace

int main(int argc, char* argv[])
{
    ohmira::ui::Application app(argc, argv);
    try {
        WindowSet windows;
        windows.main().show();
        // The start-up benchmark measures this very program, not a build of
        // its own; unasked, the hook costs one getenv and shows nothing.
        ohmira::ui::MapMarker::installIfAsked(windows.main());
        app.exec();
    } catch (const std::exception& e) {
        startupFailed(e.what());
        return 1;
    }
    return 0;
}
