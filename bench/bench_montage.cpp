// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// "Montage sur mesure" with 10 000 LEDs, as the user types: one keystroke in
// the total's field (every field read, computed, every result line, the
// bands and the schematic's plan updated), then the window painted; and each
// of the two on its own. Runs on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise, with the French decimal comma.
// Run: build/bench/bench_montage

#include "montage.h"
#include "ui/application.h"

#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {

TFormMontage* fenetre = nullptr;

QLineEdit& champTotal()
{
    return *fenetre->findChild<QLineEdit*>(QStringLiteral("EditTotal"));
}

// Alternates between two counts so that each keystroke changes the array.
void taper(bool& pair)
{
    champTotal().setText(pair ? QStringLiteral("10000") : QStringLiteral("9999"));
    pair = !pair;
    // The layout requests it posted (result lines' new lengths) count too.
    QCoreApplication::sendPostedEvents();
}

void peindre(QImage& image)
{
    fenetre->render(&image);
}

void Recalcul(benchmark::State& etat)
{
    bool pair = true;
    for (auto _ : etat)
        taper(pair);
}
BENCHMARK(Recalcul)->Unit(benchmark::kMicrosecond);

void Peinture(benchmark::State& etat)
{
    QImage image(fenetre->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : etat)
        peindre(image);
}
BENCHMARK(Peinture)->Unit(benchmark::kMicrosecond);

void RecalculEtPeinture(benchmark::State& etat)
{
    QImage image(fenetre->size(), QImage::Format_ARGB32_Premultiplied);
    bool pair = true;
    for (auto _ : etat) {
        taper(pair);
        peindre(image);
    }
}
BENCHMARK(RecalculEtPeinture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ohmira::ui::Application app(argc, argv);
    TFormMontage montage;
    fenetre = &montage;
    montage.resize(1040, 720);
    montage.show();
    montage.findChild<QRadioButton*>(QStringLiteral("ChoixTotal"))->click();
    champTotal().setText(QStringLiteral("10000"));
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
