// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Current, power, rating and colour bands of the standard value.

#include "core/details.h"
#include "core/requetes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using namespace ohmira;

namespace {
using Bandes = std::vector<std::string>;

Bandes enListe(const Details& d)
{
    return d.bandes ? Bandes(d.bandes->begin(), d.bandes->end()) : Bandes{};
}
}  // namespace

TEST(Details, CurrentPowerRatingAndBands)
{
    struct Cas {
        const char* nom;
        long double tension;
        double seuil;
        int nombre;
        double ohms;
        double courantLed;  // A
        double puissance;   // W
        double calibre;     // W, 0: none
        Bandes bandes;
    };
    const Cas cas[] = {
        {"rouge 5 V", 5, 1.6, 1, 180, 3.4 / 180, 3.4 * 3.4 / 180, 0.25, {"marron", "gris", "marron", "or"}},
        {"1/8 W exactly twice", 2.5, 0.0, 1, 100, 0.025, 0.0625, 0.125, {"marron", "noir", "marron", "or"}},
        {"just over 1/8 W", 2.5 + 1e-9L, 0.0, 1, 100, 0.025, 0.0625, 0.25, {"marron", "noir", "marron", "or"}},
        {"10 W exactly twice", 50, 0.0, 1, 500, 0.1, 5, 10, {"vert", "noir", "marron", "or"}},
        {"over 10 W", 51, 0.0, 1, 510, 0.1, 5.1, 0, {"vert", "marron", "marron", "or"}},
        {"below 10 ohms: gold", 2, 1.6, 1, 9.1, 0.4 / 9.1, 0.16 / 9.1, 0.125, {"blanc", "marron", "or", "or"}},
        {"below 1 ohm: silver", 1.7, 1.6, 1, 0.18, 0.1 / 0.18, 0.01 / 0.18, 0.125, {"marron", "gris", "argent", "or"}},
        {"below 0.1 ohm: none", 1.7, 1.6, 1, 0.051, 0.1 / 0.051, 0.01 / 0.051, 0.5, {}},
        {"kilo-ohms", 24, 1.6, 1, 1200, 22.4 / 1200, 22.4 * 22.4 / 1200, 1, {"marron", "rouge", "rouge", "or"}},
        {"mega-ohms: white", 1e9, 0, 1, 5.1e10, 1e9 / 5.1e10, 1e18 / 5.1e10, 0, {"vert", "marron", "blanc", "or"}},
        {"beyond white: none", 1e12, 0, 1, 5.1e13, 1e12 / 5.1e13, 1e24 / 5.1e13, 0, {}},
        {"ten red LEDs on 12 V", 12, 1.6, 10, 56, 10.4 / 560, 10.4 * 10.4 / 56, 5, {"vert", "bleu", "noir", "or"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Details d = detailler(c.tension - c.seuil, c.nombre, c.ohms);
        EXPECT_NEAR(static_cast<double>(d.courantLed), c.courantLed, c.courantLed * 1e-6);
        EXPECT_NEAR(static_cast<double>(d.courantTotal), c.courantLed * c.nombre, c.courantLed * c.nombre * 1e-6);
        EXPECT_NEAR(static_cast<double>(d.puissance), c.puissance, c.puissance * 1e-6);
        if (c.calibre == 0)
            EXPECT_FALSE(d.calibre.has_value());
        else
            EXPECT_EQ(d.calibre->watts, c.calibre);
        EXPECT_EQ(enListe(d), c.bandes);
    }
}

TEST(Details, LinesForTheReader)
{
    EXPECT_EQ(lignesDetails(calculSerie(0, "5", ",").details, ","),
              (Bandes{"courant dans la LED : 18,9 mA", "puissance dans la résistance : 64,2 mW (prendre 1/4 W)",
                      "code couleur : marron, gris, marron, or"}));
    EXPECT_EQ(lignesDetails(calculParallele(0, "12", "10", ".").details, "."),
              (Bandes{"courant par LED : 18.6 mA, courant total : 186 mA",
                      "puissance dans la résistance : 1.93 W (prendre 5 W)",
                      "code couleur : vert, bleu, noir, or",
                      "Attention : une résistance commune répartit mal le courant entre des LED en parallèle ; "
                      "une résistance par LED est plus sûre."}));
    // Many LEDs behind one tiny resistor: amperes, no rating, no colour code.
    const auto beaucoup = lignesDetails(calculParallele(0, "5", "1000000", ",").details, ",");
    ASSERT_EQ(beaucoup.size(), 4u);
    EXPECT_EQ(beaucoup[0], "courant par LED : 18,9 mA, courant total : 18,9 kA");
    EXPECT_EQ(beaucoup[1], "puissance dans la résistance : 64,2 kW (aucune résistance ordinaire : plus de 10 W)");
    EXPECT_EQ(beaucoup[2], "code couleur : aucun en dessous de 0,1 Ohm");
}

TEST(Details, ReadableNumbersHeaderExamples)
{
    EXPECT_EQ(lisible(66.666L, ","), "66,7");
    EXPECT_EQ(lisible(2, "."), "2");
    EXPECT_EQ(avecUnite(0.0189L, "A", ","), "18,9 mA");
    EXPECT_EQ(avecUnite(1.19L, "W", ","), "1,19 W");
    EXPECT_EQ(avecUnite(0.00085L, "A", "."), "850 µA");
}
