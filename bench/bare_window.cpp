// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reference for bench/startup.sh: the cheapest way to put up a window like
// ours with the same toolchain. A QMainWindow with a two-menu bar and 21
// plain widgets built in code, no design file, no pictures.

#include "ui/map_marker.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&Fichier"));
    file->addAction(QStringLiteral("&Enregistrer"));
    file->addAction(QStringLiteral("&Quitter"), QKeySequence(QStringLiteral("Ctrl+Q")), &window,
                    &QWidget::close);
    QMenu* infos = window.menuBar()->addMenu(QStringLiteral("&Infos sur les LED"));
    for (const char* item : {"&Image d'une LED", "&Schéma - Polarisation",
                             "&Tableaux récapitulatif", "&Lien TRES utile"})
        infos->addAction(QString::fromUtf8(item));

    auto* client = new QWidget;
    client->setFixedSize(840, 367);
    window.setCentralWidget(client);

    // 21 widgets of the same kinds and places as the real window's.
    const auto label = [client](int x, int y, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), client);
        l->move(x, y);
    };
    const auto combo = [client](int x, int y) {
        auto* c = new QComboBox(client);
        for (const char* colour : {"Rouge", "InfraRouge", "Orange", "Jaune", "Vert", "Bleu",
                                   "Violet", "UltraViolet", "Blanc"})
            c->addItem(QString::fromLatin1(colour));
        c->setGeometry(x, y, 145, 21);
    };
    const auto edit = [client](int x, int y, const char* text) {
        auto* e = new QLineEdit(QString::fromLatin1(text), client);
        e->setGeometry(x, y, 121, 21);
    };
    const auto button = [client](int x, int y) {
        auto* b = new QPushButton(QString::fromUtf8("Calculer la résistance"), client);
        b->setGeometry(x, y, 145, 25);
    };
    const auto picture = [client](int x, int y, int w, int h) {
        auto* p = new QFrame(client);
        p->setGeometry(x, y, w, h);
    };
    label(104, 8, "Montage d'une LED en série");
    picture(8, 40, 153, 137);
    label(176, 40, "Couleur de la LED :");
    combo(176, 64);
    label(176, 96, "Tension du générateur :");
    edit(176, 120, "En Volt");
    button(192, 160);
    label(48, 256, "Il vous faut une résistance de : ");
    label(48, 288, "Soit en normalisé :");
    auto* divider = new QFrame(client);
    divider->setFrameShape(QFrame::Box);
    divider->setFrameShadow(QFrame::Sunken);
    divider->setGeometry(368, 8, 9, 353);
    label(448, 8, "Montage de plusieurs LEDs en parallèle");
    picture(392, 40, 153, 297);
    label(560, 40, "Couleur des LEDs :");
    combo(560, 64);
    label(560, 96, "Tension du générateur :");
    edit(560, 120, "En Volt");
    label(560, 152, "Nombre de LED en parallèle :");
    edit(560, 176, "");
    button(560, 216);
    label(560, 280, "Il vous faut une résistance de : ");
    label(560, 312, "Soit en normalisé :");

    window.move(127, 180);
    window.show();
    ohmira::ui::MapMarker::installIfAsked(window);
    return app.exec();
}
