// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Colour table, unit scaling and the E24 standard value.

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/unites.h"
#include "decimales.h"
#include "verifier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

using namespace ohmira;

TEST(TensionSeuil, EveryColourAndOutOfRange)
{
    const double attendu[] = {1.6, 1.6, 2.0, 2.1, 2.2, 2.5, 2.7, 3.1, 3.5};
    for (int i = 0; i < NombreCouleurs; ++i)
        EXPECT_EQ(static_cast<double>(TensionSeuil(i)), attendu[i]) << NomsCouleurs[static_cast<std::size_t>(i)];
    EXPECT_EQ(TensionSeuil(-1), 0.0L);
    EXPECT_EQ(TensionSeuil(9), 0.0L);
}

TEST(IndexCouleur, NamesInAnyCaseAndNumbers)
{
    EXPECT_EQ(indexCouleur("rouge"), 0);
    EXPECT_EQ(indexCouleur("INFRAROUGE"), 1);
    EXPECT_EQ(indexCouleur("UltraViolet"), 7);
    EXPECT_EQ(indexCouleur("8"), 8);
    EXPECT_EQ(indexCouleur("9"), -1);
    EXPECT_EQ(indexCouleur("Rose"), -1);
    EXPECT_EQ(indexCouleur(""), -1);
}

TEST(AdapterUnite, ThresholdsAndSigns)
{
    struct Cas {
        double ohms;
        double attendu;
        const char* unite;
    };
    const Cas cas[] = {
        {1000.0, 1000.0, "Ohms"},
        {std::nextafter(1000.0, 2000.0), static_cast<double>(std::nextafter(1000.0, 2000.0) / 1000.0L), "kOhms"},
        {2500000.0, 2500.0, "kOhms"},
        {1200.0, 1.2, "kOhms"},
        {170.0, 170.0, "Ohms"},
        {0.0001, 0.0001, "Ohms"},  // the double lies above the extended 1e-4
        {0.00005, 0.05, "mOhms"},
        {0.0, 0.0, "mOhms"},
        {-30.0, -30000.0, "mOhms"},
    };
    for (const Cas& c : cas) {
        double r = c.ohms;
        const Unite unite = AdapterUnite(r);
        EXPECT_EQ(r, c.attendu) << c.ohms;
        EXPECT_EQ(nomUnite(unite), c.unite) << c.ohms;
    }
}

TEST(AdapterUnite, OverflowWhenScalingLeavesDoubleRange)
{
    double r = -1e306;
    EXPECT_THROW_MSG(AdapterUnite(r), EOverflow, "Débordement en virgule flottante");
}

TEST(ValeurNormalisee, StrictlyAboveInEveryDecade)
{
    struct Cas {
        double valeur;
        double attendu;
    };
    const Cas cas[] = {
        // Ohms, from the same doubles the requests store
        {150.0, 160.0}, {170.0, 180.0}, {475.0, 510.0}, {820.0, 910.0}, {100.0, 110.0},
        {1000.0, 1100.0}, {950.0, 1000.0}, {85.0, 91.0}, {170.0 / 3.0, 62.0}, {45.0, 47.0},
        {0.17, 0.18}, {0.005, 0.0051}, {std::nextafter(100.0, 0.0), 100.0},
        // kOhms, scaled from exact ohm values
        {1100.0 / 1000.0, 1.2}, {1200.0 / 1000.0, 1.2}, {1500.0 / 1000.0, 1.6},
        {3300.0 / 1000.0, 3.3}, {8200.0 / 1000.0, 8.2}, {9100.0 / 1000.0, 9.1},
        {9150.0 / 1000.0, 10.0}, {12.0, 13.0}, {47.0, 51.0}, {91.0, 100.0}, {2500.0, 2700.0},
        {std::nextafter(1.0, 2.0), 1.1},
        // mOhms and far decades
        {0.05, 0.051}, {5e28, 5.1e28}, {1e-300, 1.1e-300},
        // nothing above zero to look for
        {0.0, 100.0}, {-30000.0, 100.0},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(ValeurNormalisee(c.valeur), c.attendu) << std::hexfloat << c.valeur;
}

namespace {

double reference(double x)
{
    const Exact ex = exact(x);
    for (int k = static_cast<int>(std::floor(std::log10(x))) - 4;; ++k)
        for (const int entree : SerieE24)
            if (plusGrand(entree, k, ex))
                return decimal(entree, k);
}

}  // namespace

// Against a reference that compares decimal digit strings, over values
// spread across the whole double range and values sitting on E24 values.
TEST(ValeurNormalisee, MatchesExactDecimalComparison)
{
    std::mt19937_64 alea(20261211);
    std::uniform_real_distribution<double> exposant(-300.0, 300.0);
    for (int i = 0; i < 3000; ++i) {
        const double x = std::pow(10.0, exposant(alea));
        ASSERT_EQ(ValeurNormalisee(x), reference(x)) << std::hexfloat << x;
    }
    for (int k = -40; k <= 40; ++k)
        for (const int entree : SerieE24) {
            const double sur = std::strtod((std::to_string(entree) + "e" + std::to_string(k)).c_str(), nullptr);
            for (const double x : {sur, std::nextafter(sur, 0.0), std::nextafter(sur, 1e308)})
                ASSERT_EQ(ValeurNormalisee(x), reference(x)) << std::hexfloat << x;
        }
}

TEST(ValeurNormalisee, ResultIsTheNearestDouble)
{
    // E / 10^j through extended precision must not double-round.
    for (int j = 1; j <= 4; ++j)
        for (const int entree : SerieE24) {
            const double attendu = std::strtod((std::to_string(entree) + "e-" + std::to_string(j)).c_str(), nullptr);
            EXPECT_EQ(ValeurNormalisee(std::nextafter(attendu, 0.0)), attendu) << entree << "e-" << j;
        }
}

TEST(AdapterUnite, BackInOhmsHeaderExamples)
{
    EXPECT_EQ(enOhms(1.5, Unite::KiloOhms), 1500.0L);
    EXPECT_EQ(enOhms(50, Unite::MilliOhms), 0.05L);
    EXPECT_EQ(enOhms(170, Unite::Ohms), 170.0L);
}
