// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// LED arrays: layout, resistor of each kind of string, worst cases and
// warnings, against hand computation and against the main window.

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/montage.h"
#include "core/requetes.h"
#include "verifier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

using namespace ohmira;

namespace {

using A = Avertissement;

struct Sorte {
    int leds, nombre;
    double exacte, dessous, dessus;   // ohms
    double courantMin, courantMax;    // A, worst cases per LED
    std::vector<A> avertissements;
};

// Texts as typed (nullptr: not given), "," as separator.
struct Cas {
    const char* nom;
    const char* tension;
    const char* plageMin;
    const char* plageMax;
    const char* seuil;
    const char* courantMax;
    const char* serie;
    const char* branches;
    const char* total;
    SerieE serieE;
    std::vector<Sorte> sortes;
};

std::optional<std::string_view> option(const char* texte)
{
    return texte ? std::optional<std::string_view>(texte) : std::nullopt;
}

DemandeMontage demande(const Cas& c)
{
    DemandeMontage d;
    d.tension = c.tension;
    d.plageMin = option(c.plageMin);
    d.plageMax = option(c.plageMax);
    d.seuil = c.seuil;
    d.courant = "20";
    d.courantMax = option(c.courantMax);
    d.serie = c.serie ? c.serie : "";
    d.branches = c.branches ? c.branches : "";
    d.total = option(c.total);
    d.serieE = c.serieE;
    d.separateur = ",";
    return d;
}

void procheDe(long double recu, double attendu)
{
    EXPECT_NEAR(static_cast<double>(recu), attendu, std::fabs(attendu) * 1e-9);
}

DemandeMontage simple(const char* tension, const char* seuil, const char* serie, const char* branches)
{
    DemandeMontage d;
    d.tension = tension;
    d.seuil = seuil;
    d.courant = "20";
    d.serie = serie;
    d.branches = branches;
    d.separateur = ",";
    return d;
}

}  // namespace

// Worst cases: supply at the end of its range, threshold 0.1 V off, resistor
// at the end of its tolerance (E24 5 %, E6 20 %, E96 1 %).
TEST(Montage, ArraysByHand)
{
    const Cas cas[] = {
        {"3 x 2 LEDs of 2 V on 12 V", "12", nullptr, nullptr, "2", nullptr, "3", "2", nullptr, SerieE::E24,
         {{3, 2, 300, 300, 330, 5.7 / 346.5, 6.3 / 313.5, {}}}},
        {"11 LEDs: two strings of 5 and a shorter one", "12", nullptr, nullptr, "2", nullptr, nullptr, nullptr, "11",
         SerieE::E24,
         {{5, 2, 100, 100, 110, 1.5 / 115.5, 2.5 / 104.5, {}}, {1, 1, 500, 470, 510, 9.9 / 535.5, 10.1 / 484.5, {}}}},
        {"10 LEDs on a car: the lowest supply sets the string", "12", "11,5", "14,4", "2", nullptr, nullptr, nullptr,
         "10", SerieE::E24,
         {{5, 2, 100, 100, 110, 1.0 / 115.5, 4.9 / 104.5, {A::CourantTropFort, A::CalibreDepasse}}}},
        {"4 LEDs on 3 V: one per string", "3", nullptr, nullptr, "2,2", nullptr, nullptr, nullptr, "4", SerieE::E24,
         {{1, 4, 40, 39, 43, 0.7 / 45.15, 0.9 / 40.85, {A::MargeFaible}}}},
        {"E6 neighbours", "8", nullptr, nullptr, "2", nullptr, "1", "1", nullptr, SerieE::E6,
         {{1, 1, 300, 220, 330, 5.9 / 396, 6.1 / 264, {}}}},
        {"E96 neighbours", "8", nullptr, nullptr, "2", nullptr, "1", "1", nullptr, SerieE::E96,
         {{1, 1, 300, 294, 301, 5.9 / (301 * 1.01), 6.1 / (301 * 0.99), {}}}},
        {"above the datasheet maximum", "12", "11,5", "14,4", "2", "25", "1", "1", nullptr, SerieE::E24,
         {{1, 1, 500, 470, 510, 9.4 / 535.5, 12.5 / 484.5, {A::CourantTropFort}}}},
        {"three 3 V LEDs on a car", "12", "11,5", "14,4", "3", nullptr, "3", "1", nullptr, SerieE::E24,
         {{3, 1, 150, 150, 160, 2.2 / 168, 5.7 / 152, {A::CourantTropFort, A::CalibreDepasse}}}},
        {"no ordinary rating", "300", nullptr, nullptr, "2", nullptr, "1", "1", nullptr, SerieE::E24,
         {{1, 1, 14900, 13000, 15000, 297.9 / 15750, 298.1 / 14250, {A::CalibreDepasse}}}},
        {"headroom under 1 V", "2,8", nullptr, nullptr, "2", nullptr, "1", "1", nullptr, SerieE::E24,
         {{1, 1, 40, 39, 43, 0.7 / 45.15, 0.9 / 40.85, {A::MargeFaible}}}},
        {"Li-ion: the lowest supply no longer lights it", "3,7", "3", "4,2", "3,2", nullptr, "1", "1", nullptr,
         SerieE::E24, {{1, 1, 25, 24, 27, 0, 1.1 / 25.65, {A::CourantTropFort, A::NeSAllumePas}}}},
        {"9 V battery: four LEDs go dark first", "9", "6,5", "9,6", "2", nullptr, "4", "3", nullptr, SerieE::E24,
         {{4, 3, 50, 47, 51, 0, 2.0 / 48.45, {A::CourantTropFort, A::NeSAllumePas}}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const ResultatMontage r = calculMontage(demande(c));
        ASSERT_EQ(r.sortes, static_cast<int>(c.sortes.size()));
        for (int i = 0; i < r.sortes; ++i) {
            const Branche& b = r.branches[static_cast<std::size_t>(i)];
            const Sorte& s = c.sortes[static_cast<std::size_t>(i)];
            EXPECT_EQ(b.leds, s.leds);
            EXPECT_EQ(b.nombre, s.nombre);
            procheDe(b.exacte, s.exacte);
            EXPECT_EQ(b.dessous.ohms, s.dessous);
            EXPECT_EQ(b.dessus.ohms, s.dessus);
            procheDe(b.pires.courantMin, s.courantMin);
            procheDe(b.pires.courantMax, s.courantMax);
            std::array<bool, NombreAvertissements> attendus{};
            for (const A a : s.avertissements)
                attendus[static_cast<std::size_t>(a)] = true;
            EXPECT_EQ(b.avertissements, attendus);
        }
    }
}

TEST(Montage, WholeArrayOfTheThreeByTwo)
{
    const ResultatMontage r = calculMontage(simple("12", "2", "3", "2"));
    const Branche& b = r.branches[0];
    EXPECT_EQ(ligne1(b, ","), "Il vous faut une resistance de : 300,00 Ohms");
    EXPECT_EQ(ligne2(b, ","), "Soit en normalisé : 330,00 Ohms");
    procheDe(b.dessus.courantLed, 6.0 / 330);
    procheDe(b.dessus.puissance, 36.0 / 330);
    EXPECT_EQ(b.dessus.calibre->watts, 0.25);
    procheDe(b.dessous.courantLed, 0.02);
    procheDe(b.dessous.puissance, 0.12);
    procheDe(b.pires.puissanceMin, 5.7 * 5.7 / 346.5);
    procheDe(b.pires.puissanceMax, 6.3 * 6.3 / 313.5);
    procheDe(r.courantTotal, 12.0 / 330);
    procheDe(r.puissanceLeds, 72.0 / 330);
    procheDe(r.puissanceResistances, 72.0 / 330);
    procheDe(r.puissanceAlimentation, 144.0 / 330);
    procheDe(r.rendement, 0.5);

    EXPECT_EQ(lignesMontage(r, ","),
              (std::vector<std::string>{
                  "Il vous faut une resistance de : 300,00 Ohms",
                  "Soit en normalisé : 330,00 Ohms",
                  "montage : 2 branches de 3 LED en série, une résistance par branche",
                  "valeur au-dessus, 330,00 Ohms : courant par LED 18,2 mA, puissance 109 mW (prendre 1/4 W), "
                  "code couleur : orange, orange, marron, or",
                  "valeur en dessous, 300,00 Ohms : courant par LED 20 mA, puissance 120 mW (prendre 1/4 W), "
                  "code couleur : orange, noir, marron, or",
                  "au pire (tolérance 5 %, seuil à 0,1 V près) : courant par LED de 16,5 mA à 20,1 mA, "
                  "puissance dans la résistance de 93,8 mW à 127 mW",
                  "",
                  "ensemble : courant total 36,4 mA, puissance dans les LED 218 mW, dans les résistances 218 mW, "
                  "fournie 436 mW, rendement 50 %",
              }));
}

TEST(Montage, WarningSentences)
{
    auto avec = [](const char* tension, const char* min, const char* max, const char* seuil, const char* serie,
                   const char* courantMax = nullptr) {
        DemandeMontage d = simple(tension, seuil, serie, "1");
        d.plageMin = option(min);
        d.plageMax = option(max);
        d.courantMax = option(courantMax);
        return calculMontage(d);
    };
    const ResultatMontage voiture = avec("12", "11,5", "14,4", "3", "3");
    EXPECT_EQ(phrase(voiture, 0, A::CourantTropFort, ","),
              "Au pire, le courant dans les LED atteint 37,5 mA, plus d'une fois et demie les 20 mA choisis.");
    EXPECT_EQ(phrase(voiture, 0, A::CalibreDepasse, ","),
              "Au pire, la résistance dissipe 214 mW, plus que son calibre de 1/8 W : prenez-la de 1/2 W.");
    EXPECT_EQ(phrase(avec("12", "11,5", "14,4", "2", "1", "25"), 0, A::CourantTropFort, ","),
              "Au pire, le courant dans les LED atteint 25,8 mA, au-delà de leur maximum de 25 mA.");
    EXPECT_EQ(phrase(avec("300", nullptr, nullptr, "2", "1"), 0, A::CalibreDepasse, ","),
              "Au pire, la résistance dissipe 6,24 W : aucune résistance ordinaire ne convient, il faudrait plus "
              "de 10 W.");
    EXPECT_EQ(phrase(avec("2,8", nullptr, nullptr, "2", "1"), 0, A::MargeFaible, ","),
              "À 2,80 V, il ne reste que 0,80 V pour la résistance, moins de 1 V : le courant dépend trop de la "
              "tension de seuil réelle des LED.");
    EXPECT_EQ(phrase(avec("3,7", "3", "4,2", "3,2", "1"), 0, A::NeSAllumePas, ","),
              "À 3,00 V, bas de la plage, la LED peut ne plus s'allumer : il lui faut plus de 3,30 V si son seuil "
              "dépasse de 0,1 V la valeur typique.");
    EXPECT_EQ(phrase(avec("9", "6,5", "9,6", "2", "4"), 0, A::NeSAllumePas, "."),
              "À 6.50 V, bas de la plage, une branche de 4 LED peut ne plus s'allumer : il lui faut plus de 8.40 V "
              "si le seuil de ses LED dépasse de 0.1 V la valeur typique.");
}

TEST(Montage, Errors)
{
    DemandeMontage d = simple("12", "2", "3", "2");
    auto avec = [&](auto changer) {
        DemandeMontage e = d;
        changer(e);
        return e;
    };
    using D = DemandeMontage&;
    const char* const flottant = " n'est pas une valeur en virgule flottante correcte";
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "En Volt"; })), EConvertError,
                     std::string("'En Volt'") + flottant);
    // The first bad field is the one reported.
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = ""; e.seuil = "x"; })), EConvertError,
                     std::string("''") + flottant);
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.plageMin = "11.5"; e.plageMax = "14,4"; })), EConvertError,
                     std::string("'11.5'") + flottant);
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.plageMin = "11,5"; })), EValeurIncorrecte,
                     "La plage de tension demande un minimum et un maximum.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.plageMin = "14"; e.plageMax = "11"; })), EValeurIncorrecte,
                     "Le bas de la plage de tension (14,00 V) dépasse son haut (11,00 V).");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "15"; e.plageMin = "11,5"; e.plageMax = "14,4"; })),
                     EValeurIncorrecte,
                     "La tension nominale (15,00 V) doit se trouver dans la plage de 11,50 V à 14,40 V.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.seuil = "0"; })), EValeurIncorrecte,
                     "La tension de seuil de la LED doit être positive.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.courant = "20 mA"; })), EConvertError,
                     std::string("'20 mA'") + flottant);
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.courant = "-5"; })), EValeurIncorrecte,
                     "Le courant dans les LED doit être positif.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.courantMax = "0"; })), EValeurIncorrecte,
                     "Le courant maximal des LED doit être positif.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.serie = "0"; })), EValeurIncorrecte,
                     "Le nombre de LED en série par branche doit être d'au moins 1.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.branches = "2 "; })), EConvertError,
                     "'2 ' n'est pas une valeur entière correcte");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.branches = "-1"; })), EValeurIncorrecte,
                     "Le nombre de branches doit être d'au moins 1.");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.total = "0"; })), EValeurIncorrecte,
                     "Le nombre total de LED doit être d'au moins 1.");
    // The supply must exceed the string's threshold, as in the main window.
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "6"; })), ETensionInsuffisante,
                     "La tension du générateur doit dépasser la tension de seuil des 3 LED en série : 6,00 V");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "1,5"; e.serie = "1"; })), ETensionInsuffisante,
                     "La tension du générateur doit dépasser la tension de seuil de la LED : 2,00 V");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "1,5"; e.total = "7"; })), ETensionInsuffisante,
                     "La tension du générateur doit dépasser la tension de seuil de la LED : 2,00 V");
    EXPECT_THROW_MSG(calculMontage(avec([](D e) { e.tension = "1e400"; })), EOverflow,
                     "Débordement en virgule flottante");
}

// One LED, one string, 20 mA, a colour's threshold, E24 and no range: the
// main window's series calculator, digit for digit, details included.
TEST(Montage, SameAsTheSeriesCalculator)
{
    const char* const tensions[] = {"1,7",  "2,0001", "2,05", "3",    "3,3",   "3,6", "4,5",   "5",      "6",
                                    "9",    "12",     "12,5", "13,8", "24",    "26",  "36",    "48",     "100",
                                    "230",  "400",    "1000", "1e6",  "2e9",   " 7,25 ", "1,6", "2", "1e300"};
    for (int couleur = 0; couleur < NombreCouleurs; ++couleur) {
        char seuil[32];
        std::snprintf(seuil, sizeof seuil, "%.17g", static_cast<double>(TensionSeuil(couleur)));
        for (const char* tension : tensions) {
            SCOPED_TRACE(std::string(NomsCouleurs[static_cast<std::size_t>(couleur)]) + " " + tension);
            DemandeMontage d = simple(tension, seuil, "1", "1");
            d.separateur = ".";
            std::string t = tension;
            for (char& c : t)
                if (c == ',')
                    c = '.';
            d.tension = t;
            Resultat attendu;
            try {
                attendu = calculSerie(couleur, t, ".");
            } catch (const Erreur& e) {
                EXPECT_THROW_MSG(calculMontage(d), Erreur, e.message());
                continue;
            }
            const ResultatMontage r = calculMontage(d);
            const Branche& b = r.branches[0];
            EXPECT_EQ(ligne1(b, "."), attendu.ligne1);
            EXPECT_EQ(ligne2(b, "."), attendu.ligne2);
            EXPECT_EQ(b.dessus.ohms, attendu.details.resistance);
            EXPECT_EQ(b.dessus.courantLed, attendu.details.courantLed);
            EXPECT_EQ(b.dessus.puissance, attendu.details.puissance);
            EXPECT_EQ(b.dessus.calibre, attendu.details.calibre);
            ASSERT_EQ(b.dessus.bandes.has_value(), attendu.details.bandes.has_value());
            if (b.dessus.bandes) {
                EXPECT_EQ(std::vector<std::string_view>(b.dessus.bandes->begin(), b.dessus.bandes->end()),
                          std::vector<std::string_view>(attendu.details.bandes->begin(),
                                                        attendu.details.bandes->end()));
            }
            EXPECT_EQ(r.courantTotal, attendu.details.courantTotal);
        }
    }
}

// Random arrays: whatever the figures, the values bracket the exact one, the
// worst cases bracket the nominal ones, the powers add up, and a proposed
// layout holds every LED with the longest strings the margin allows.
TEST(Montage, PropertiesOverRandomArrays)
{
    std::mt19937_64 alea(1312);
    auto uniforme = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(alea); };
    auto entier = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(alea); };
    auto texte = [](double v) {
        char t[32];
        std::snprintf(t, sizeof t, "%.6g", v);
        return std::string(t);
    };
    constexpr SerieE series[] = {SerieE::E6, SerieE::E12, SerieE::E24, SerieE::E48, SerieE::E96, SerieE::E192};
    int calcules = 0;
    for (int i = 0; i < 3000; ++i) {
        const double v = uniforme(1, 60);
        const std::string tension = texte(v), min = texte(v * uniforme(0.5, 1)), max = texte(v * uniforme(1, 1.5));
        const std::string seuil = texte(uniforme(1.2, 4)), courant = texte(uniforme(0.5, 500));
        const std::string k = std::to_string(entier(1, 20)), s = std::to_string(entier(1, 20));
        const std::string total = std::to_string(entier(1, 200));
        DemandeMontage d;
        d.tension = tension;
        if (i % 2) {
            d.plageMin = min;
            d.plageMax = max;
        }
        d.seuil = seuil;
        d.courant = courant;
        if (i % 3 == 0)
            d.total = total;
        d.serie = k;
        d.branches = s;
        d.serieE = series[i % 6];
        d.separateur = ".";
        SCOPED_TRACE(tension + " [" + min + ", " + max + "] " + seuil + " V " + courant + " mA " + k + "x" + s +
                     " total " + total + " " + std::string(definition(d.serieE).nom));
        ResultatMontage r;
        try {
            r = calculMontage(d);
        } catch (const ETensionInsuffisante&) {
            continue;
        }
        ++calcules;
        int leds = 0;
        for (int j = 0; j < r.sortes; ++j) {
            const Branche& b = r.branches[static_cast<std::size_t>(j)];
            leds += b.leds * b.nombre;
            EXPECT_LE(b.dessous.affichee, b.exacteAffichee);
            EXPECT_LE(b.exacteAffichee, b.dessus.affichee);
            EXPECT_LT(b.dessous.ohms, b.dessus.ohms);
            EXPECT_LE(b.pires.courantMin, b.dessus.courantLed);
            EXPECT_GE(b.pires.courantMax, b.dessus.courantLed);
            EXPECT_LE(b.pires.puissanceMin, b.dessus.puissance);
            EXPECT_GE(b.pires.puissanceMax, b.dessus.puissance);
            EXPECT_GE(b.pires.courantMin, 0);
        }
        EXPECT_NEAR(static_cast<double>(r.puissanceLeds + r.puissanceResistances),
                    static_cast<double>(r.puissanceAlimentation), static_cast<double>(r.puissanceAlimentation) * 1e-12);
        EXPECT_GT(r.rendement, 0);
        EXPECT_LT(r.rendement, 1);
        if (d.total) {
            EXPECT_EQ(leds, std::stoi(total));
            const long double k0 = r.branches[0].leds;
            if (k0 > 1) {
                EXPECT_GE(r.tensionMin - k0 * r.seuil, MargeConseillee);
            }
            if (leds > k0) {
                EXPECT_LT(r.tensionMin - (k0 + 1) * r.seuil, MargeConseillee);
            }
        }
    }
    EXPECT_GT(calcules, 1500);
}
