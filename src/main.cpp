// Ohmira: which resistor to put in front of one LED, or of several LEDs in
// parallel. Creates the application and its four windows, the main window
// first, and runs until the main window is closed.

#include "led_image.h"
#include "led_pass.h"
#include "led_tableau.h"
#include "schema.h"
#include "ui/application.h"
#include "ui/map_marker.h"

#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace {

// A window that cannot be built (a broken design) stops the program before
// anything shows; say why where a desktop user and a terminal both see it.
void startupFailed(const char* why)
{
    std::fprintf(stderr, "ohmira : %s\n", why);
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromUtf8(why), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);  // it may quote a design's text
    box.exec();
}

}  // namespace

int main(int argc, char* argv[])
{
    ohmira::ui::Application app(argc, argv);
    try {
        TForm1 Form1;
        TForm2 Form2;
        TForm3 Form3;
        TForm4 Form4;
        Form1.setInfoWindows(&Form2, &Form3, &Form4);
        Form1.show();
        ohmira::ui::MapMarker::installIfAsked(Form1);
        app.exec();
    } catch (const std::exception& e) {
        startupFailed(e.what());
        return 1;
    }
    return 0;
}
