// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The E series, the values around a resistance and their colour bands.

#include "core/details.h"
#include "core/series.h"
#include "core/unites.h"
#include "decimales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace ohmira;

namespace {

constexpr SerieE Toutes[] = {SerieE::E6, SerieE::E12, SerieE::E24, SerieE::E48, SerieE::E96, SerieE::E192};

// The series' values around x, found on decimal digits.
Encadrement reference(double x, SerieE serie)
{
    const auto v = definition(serie).valeurs;
    const Exact ex = exact(x);
    for (int k = static_cast<int>(std::floor(std::log10(x))) - 4;; ++k)
        for (std::size_t i = 0; i < v.size(); ++i)
            if (plusGrand(v[i], k, ex))
                return {i == 0 ? decimal(v.back(), k - 1) : decimal(v[i - 1], k), decimal(v[i], k)};
}

}  // namespace

TEST(Series, TablesOfIec60063)
{
    const std::size_t tailles[] = {6, 12, 24, 48, 96, 192};
    for (std::size_t s = 0; s < 6; ++s) {
        const auto v = definition(Toutes[s]).valeurs;
        SCOPED_TRACE(std::string(definition(Toutes[s]).nom));
        ASSERT_EQ(v.size(), tailles[s]);
        for (std::size_t i = 1; i < v.size(); ++i)
            EXPECT_LT(v[i - 1], v[i]);
        // Each series is every other value of the next finer one, except
        // that E24's two-digit values are not in E48.
        if (s != 2 && s + 1 < 6) {
            const auto fine = definition(Toutes[s + 1]).valeurs;
            for (std::size_t i = 0; i < v.size(); ++i)
                EXPECT_EQ(v[i], fine[2 * i]) << i;
        }
    }
    // The three-digit series follow 10^(i/n) rounded, with one historic
    // exception; the two-digit ones are compared with E24 as written.
    for (const SerieE s : {SerieE::E48, SerieE::E96, SerieE::E192}) {
        const auto v = definition(s).valeurs;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto formule = std::lround(100 * std::pow(10.0, static_cast<double>(i) / static_cast<double>(v.size())));
            if (v[i] != 920) {
                EXPECT_EQ(v[i], formule) << definition(s).nom << " " << i;
            }
        }
    }
    EXPECT_EQ(std::vector<int>(definition(SerieE::E24).valeurs.begin(), definition(SerieE::E24).valeurs.end()),
              std::vector<int>(SerieE24.begin(), SerieE24.end()));
    EXPECT_EQ(definition(SerieE::E6).tolerance, 0.2L);
    EXPECT_EQ(definition(SerieE::E192).tolerance, 0.005L);
}

TEST(Series, ReadByName)
{
    EXPECT_EQ(lireSerie("E96"), SerieE::E96);
    EXPECT_EQ(lireSerie("e6"), SerieE::E6);
    EXPECT_EQ(lireSerie("E192"), SerieE::E192);
    for (const char* faux : {"", "E", "E10", "96", "E 96", "E960", "F24"})
        EXPECT_FALSE(lireSerie(faux).has_value()) << faux;
}

TEST(Series, HeaderExamples)
{
    struct Cas {
        double valeur;
        SerieE serie;
        double dessous, dessus;
    };
    const Cas cas[] = {
        {300, SerieE::E24, 300, 330}, {310, SerieE::E24, 300, 330}, {100, SerieE::E6, 100, 150},
        {1200.0 / 1000.0, SerieE::E24, 1.1, 1.2}, {10.05, SerieE::E96, 10, 10.2},
        {300, SerieE::E6, 220, 330}, {300, SerieE::E96, 294, 301}, {990, SerieE::E192, 988, 1000},
        {0.9, SerieE::E12, 0.82, 1.0},
    };
    for (const Cas& c : cas) {
        const Encadrement e = encadrer(c.valeur, c.serie);
        EXPECT_EQ(e.dessous, c.dessous) << c.valeur << " " << definition(c.serie).nom;
        EXPECT_EQ(e.dessus, c.dessus) << c.valeur << " " << definition(c.serie).nom;
    }
}

// Against decimal digits, over the whole double range and on the values
// themselves, for every series.
TEST(Series, AroundMatchesExactDecimalComparison)
{
    std::mt19937_64 alea(20261211);
    std::uniform_real_distribution<double> exposant(-300.0, 300.0);
    for (const SerieE s : Toutes) {
        for (int i = 0; i < 300; ++i) {
            const double x = std::pow(10.0, exposant(alea));
            const Encadrement e = encadrer(x, s), r = reference(x, s);
            ASSERT_EQ(e.dessus, r.dessus) << std::hexfloat << x;
            ASSERT_EQ(e.dessous, r.dessous) << std::hexfloat << x;
        }
        for (int k = -6; k <= 6; k += 3)
            for (const int entree : definition(s).valeurs) {
                const double sur = decimal(entree, k);
                for (const double x : {sur, std::nextafter(sur, 0.0), std::nextafter(sur, 1e308)}) {
                    const Encadrement e = encadrer(x, s), r = reference(x, s);
                    ASSERT_EQ(e.dessus, r.dessus) << std::hexfloat << x;
                    ASSERT_EQ(e.dessous, r.dessous) << std::hexfloat << x;
                }
            }
    }
}

TEST(Series, ColourBands)
{
    struct Cas {
        double ohms;
        SerieE serie;
        std::vector<std::string_view> bandes;  // empty: none
    };
    const Cas cas[] = {
        {180, SerieE::E24, {"marron", "gris", "marron", "or"}},
        {10200, SerieE::E96, {"marron", "noir", "rouge", "rouge", "marron"}},
        {4.7, SerieE::E6, {"jaune", "violet", "or"}},
        {820, SerieE::E12, {"gris", "rouge", "marron", "argent"}},
        {301, SerieE::E48, {"orange", "noir", "marron", "noir", "rouge"}},
        {1.0, SerieE::E96, {"marron", "noir", "noir", "argent", "marron"}},
        {9.88, SerieE::E192, {"blanc", "gris", "gris", "argent", "vert"}},
        {976e9, SerieE::E96, {"blanc", "violet", "bleu", "blanc", "marron"}},
        {0.1, SerieE::E24, {"marron", "noir", "argent", "or"}},
        {0.976, SerieE::E96, {}},
        {9.76e12, SerieE::E96, {}},
    };
    for (const Cas& c : cas) {
        const auto b = bandesSerie(c.ohms, c.serie);
        const std::vector<std::string_view> recu = b ? std::vector<std::string_view>(b->begin(), b->end())
                                                     : std::vector<std::string_view>{};
        EXPECT_EQ(recu, c.bandes) << c.ohms << " " << definition(c.serie).nom;
    }
}

TEST(Series, RatingRule)
{
    EXPECT_EQ(calibrePour(0.0642L)->watts, 0.25);
    EXPECT_EQ(calibrePour(0.0642L)->texte, "1/4 W");
    EXPECT_EQ(calibrePour(0.0625L)->watts, 0.125);
    EXPECT_EQ(calibrePour(5.0L)->watts, 10.0);
    EXPECT_FALSE(calibrePour(5.01L).has_value());
    EXPECT_EQ(calibrePour(1.5L)->texte, "3 W");
}
