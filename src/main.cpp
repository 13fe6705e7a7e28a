// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Ohmira: which resistor to put in front of one LED, or of several LEDs in
// parallel. Creates the application and its windows, the main window first,
// and runs until the main window is closed.

#include "session.h"
#include "ui/application.h"
#include "ui/map_marker.h"
#include "window_set.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

const char* const Aide =
    "Usage : ohmira [--help | --version] [OPTION DE QT...]\n"
    "\n"
    "Ouvre la calculatrice de résistance série pour LED : une LED seule, ou\n"
    "plusieurs LED identiques en parallèle derrière une résistance commune,\n"
    "avec la valeur exacte et la valeur normalisée E24 à acheter.\n"
    "Il faut une session graphique ; sans écran, ohmira-calc fait les mêmes\n"
    "calculs en ligne de commande (ohmira-calc --help).\n"
    "\n"
    "  --help             affiche cette aide\n"
    "  --version          affiche la version\n"
    "\n"
    "Les options de Qt sont acceptées, par exemple -platform offscreen ou\n"
    "-display :1.\n";

const char* const SansEcran =
    "ohmira : il faut une session graphique, et aucun écran n'est indiqué\n"
    "(DISPLAY ou WAYLAND_DISPLAY, selon QT_QPA_PLATFORM).\n"
    "Sans écran, ohmira-calc fait les mêmes calculs : ohmira-calc --help\n";

const char* const EcranInjoignable =
    "ohmira : il faut une session graphique, et l'écran indiqué ne répond pas\n"
    "(DISPLAY ou WAYLAND_DISPLAY, selon QT_QPA_PLATFORM).\n"
    "Sans écran, ohmira-calc fait les mêmes calculs : ohmira-calc --help\n";

QtMessageHandler qtMessages = nullptr;

// In force while the application object opens the display. Qt ends the
// program with a fatal message when the display it is given cannot be
// reached (a DISPLAY whose server is gone): say so in French and exit 1, as
// without a display, instead of aborting. Its reasons come before, in
// English, from the platform plugin: they are left out.
void whileOpeningTheDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        std::fputs(EcranInjoignable, stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (context.category != nullptr && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    qtMessages(type, context, message);
}

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
    switch (ohmira::demandeDe(argc, argv)) {
    case ohmira::Demande::Aide:
        std::fputs(Aide, stdout);
        return 0;
    case ohmira::Demande::Version:
        std::puts("ohmira " OHMIRA_VERSION);
        return 0;
    case ohmira::Demande::Fenetres:
        break;
    }
    if (ohmira::sansEcran(ohmira::sessionDe(argc, argv))) {
        std::fputs(SansEcran, stderr);
        return 1;
    }

    qtMessages = qInstallMessageHandler(whileOpeningTheDisplay);
    ohmira::ui::Application app(argc, argv);
    qInstallMessageHandler(qtMessages);
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
