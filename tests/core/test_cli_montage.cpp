// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ohmira-calc montage and the batch's "array" requests.

#include "lancer_calc.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using nlohmann::json;

TEST(OhmiraCalcMontage, LinesForEachKindOfString)
{
    const SortieCalc s = lancerCalc("--separateur , montage --tension 12 --seuil 2 --courant 20 --serie 3 --branches 2");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.err, "");
    EXPECT_EQ(s.out,
              "Il vous faut une resistance de : 300,00 Ohms\n"
              "Soit en normalisé : 330,00 Ohms\n"
              "montage : 2 branches de 3 LED en série, une résistance par branche\n"
              "valeur au-dessus, 330,00 Ohms : courant par LED 18,2 mA, puissance 109 mW (prendre 1/4 W), "
              "code couleur : orange, orange, marron, or\n"
              "valeur en dessous, 300,00 Ohms : courant par LED 20 mA, puissance 120 mW (prendre 1/4 W), "
              "code couleur : orange, noir, marron, or\n"
              "au pire (tolérance 5 %, seuil à 0,1 V près) : courant par LED de 16,5 mA à 20,1 mA, "
              "puissance dans la résistance de 93,8 mW à 127 mW\n"
              "\n"
              "ensemble : courant total 36,4 mA, puissance dans les LED 218 mW, dans les résistances 218 mW, "
              "fournie 436 mW, rendement 50 %\n");

    // A proposed layout with a shorter last string: each kind opens with its
    // two lines; a car's range, E96 and a datasheet maximum.
    const SortieCalc t = lancerCalc("montage --alimentation voiture --seuil 2 --courant 20 --courant-max 30 "
                                    "--total 11 --e e96");
    EXPECT_EQ(t.code, 0);
    std::vector<std::string> lignes;
    std::istringstream flux(t.out);
    for (std::string l; std::getline(flux, l);)
        lignes.push_back(l);
    ASSERT_GE(lignes.size(), 12u);
    EXPECT_EQ(lignes[0], "Il vous faut une resistance de : 100.00 Ohms");
    EXPECT_EQ(lignes[1], "Soit en normalisé : 102.00 Ohms");
    EXPECT_EQ(lignes[2], "montage : 2 branches de 5 LED en série, une résistance par branche");
    EXPECT_EQ(lignes[6], "Attention : Au pire, le courant dans les LED atteint 48.5 mA, au-delà de leur maximum de 30 mA.");
    EXPECT_EQ(lignes[9], "Il vous faut une resistance de : 500.00 Ohms");
    EXPECT_EQ(lignes[10], "Soit en normalisé : 511.00 Ohms");
    EXPECT_EQ(lignes[11], "montage : 1 branche de 1 LED, une résistance par branche");
}

TEST(OhmiraCalcMontage, ColourPresetGivesTheSeriesLines)
{
    const SortieCalc serie = lancerCalc("--separateur , serie violet 5");
    const SortieCalc montage = lancerCalc("--separateur , montage --tension 5 --couleur violet --serie 1 --branches 1");
    EXPECT_EQ(montage.code, 0);
    EXPECT_EQ(montage.out.substr(0, serie.out.size()), serie.out);
}

TEST(OhmiraCalcMontage, ErrorsAndUsage)
{
    struct Cas {
        const char* args;
        int code;
        const char* err;  // nullptr: a usage message
    };
    const Cas cas[] = {
        {"montage --tension 6 --seuil 2 --courant 20 --serie 3 --branches 1", 1,
         "La tension du générateur doit dépasser la tension de seuil des 3 LED en série : 6.00 V.\n"},
        {"--separateur , montage --tension 12.5 --seuil 2 --courant 20 --total 3", 1,
         "'12.5' n'est pas une valeur en virgule flottante correcte.\n"},
        {"montage --tension 12 --plage 14:11 --seuil 2 --courant 20 --total 3", 1,
         "Le bas de la plage de tension (14.00 V) dépasse son haut (11.00 V).\n"},
        {"montage --tension 12 --seuil 2 --courant 20 --serie 3", 2, nullptr},
        {"montage --tension 12 --seuil 2 --courant 20 --serie 3 --branches 1 --total 3", 2, nullptr},
        {"montage --tension 12 --seuil 2 --serie 3 --branches 1", 2, nullptr},
        {"montage --tension 12 --seuil 2 --courant 20 --total 3 --e E10", 2, nullptr},
        {"montage --tension 12 --plage 11 --seuil 2 --courant 20 --total 3", 2, nullptr},
        {"montage --tension 12 --seuil 2 --courant 20 --total", 2, nullptr},
        {"montage --alimentation secteur --seuil 2 --courant 20 --total 3", 2, nullptr},
        {"montage --tension 12 --couleur rose --total 3", 2, nullptr},
        {"montage --tension 12 --seuil 2 --courant 20 --total 3 --vite 1", 2, nullptr},
    };
    for (const Cas& c : cas) {
        const SortieCalc s = lancerCalc(c.args);
        EXPECT_EQ(s.code, c.code) << c.args;
        EXPECT_EQ(s.out, "") << c.args;
        if (c.err)
            EXPECT_EQ(s.err, c.err) << c.args;
        else
            EXPECT_NE(s.err.find("ohmira-calc --help"), std::string::npos) << c.args;
    }
    const SortieCalc aide = lancerCalc("--help");
    EXPECT_NE(aide.out.find("montage --tension V"), std::string::npos);
}

TEST(OhmiraCalcMontage, BatchArrays)
{
    const std::string entree =
        R"j({"circuit": "array", "voltage": "12", "threshold": "2", "current": "20", "leds_per_string": "3", "strings": "2", "separator": ","})j" "\n"
        R"j({"circuit": "array", "voltage": "3.7", "range": ["3", "4.2"], "threshold": "3.2", "current": "20", "total": "2", "e_series": "E6"})j" "\n"
        R"j({"circuit": "array", "voltage": "12", "threshold": "2", "current": "20", "total": "11"})j" "\n"
        R"j({"circuit": "array", "voltage": "6", "threshold": "2", "current": "20", "leds_per_string": "3", "strings": "1"})j" "\n"
        R"j({"circuit": "array", "voltage": "12", "threshold": "2", "current": "20 mA", "total": "3"})j" "\n"
        R"j({"circuit": "array", "voltage": "12", "threshold": "2", "current": "20", "total": "3", "e_series": "E7"})j" "\n"
        R"j({"circuit": "array", "voltage": "12", "threshold": "2", "current": "20", "leds_per_string": "3"})j" "\n"
        R"j({"circuit": "array", "voltage": "12", "range": ["11"], "threshold": "2", "current": "20", "total": "3"})j" "\n"
        R"j({"circuit": "array", "voltage": 12, "threshold": "2", "current": "20", "total": "3"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "5"})j" "\n";
    const SortieCalc s = lancerCalc("--batch", entree);
    EXPECT_EQ(s.code, 0);
    std::istringstream sortie(s.out);
    std::vector<json> recu;
    for (std::string ligne; std::getline(sortie, ligne);)
        recu.push_back(json::parse(ligne));
    ASSERT_EQ(recu.size(), 10u);

    // 3 x 2: the main window's two lines, then every figure in SI units.
    const json& a = recu[0];
    EXPECT_EQ(a["line1"], "Il vous faut une resistance de : 300,00 Ohms");
    EXPECT_EQ(a["line2"], "Soit en normalisé : 330,00 Ohms");
    ASSERT_EQ(a["strings"].size(), 1u);
    const json& b = a["strings"][0];
    EXPECT_EQ(b["leds_per_string"], 3);
    EXPECT_EQ(b["count"], 2);
    EXPECT_EQ(b["resistance"], 300.0);
    EXPECT_EQ(b["above"]["resistance"], 330.0);
    EXPECT_EQ(b["below"]["resistance"], 300.0);
    EXPECT_NEAR(b["above"]["current_per_led"].get<double>(), 6.0 / 330, 1e-15);
    EXPECT_NEAR(b["above"]["power"].get<double>(), 36.0 / 330, 1e-15);
    EXPECT_EQ(b["above"]["rating"], 0.25);
    EXPECT_EQ(b["above"]["bands"], json({"orange", "orange", "marron", "or"}));
    EXPECT_NEAR(b["worst"]["current_max"].get<double>(), 6.3 / 313.5, 1e-15);
    EXPECT_NEAR(b["worst"]["current_min"].get<double>(), 5.7 / 346.5, 1e-15);
    EXPECT_EQ(b["warnings"], json::array());
    EXPECT_NEAR(a["current_total"].get<double>(), 12.0 / 330, 1e-15);
    EXPECT_NEAR(a["power_supply"].get<double>(), 144.0 / 330, 1e-14);
    EXPECT_NEAR(a["efficiency"].get<double>(), 0.5, 1e-15);
    EXPECT_EQ(a["warnings"], json::array());

    // A Li-ion cell too low for white LEDs at its end, in E6 (no tolerance
    // band): the warnings as sentences.
    EXPECT_EQ(recu[1]["strings"][0]["above"]["bands"], json({"orange", "orange", "noir"}));
    EXPECT_EQ(recu[1]["warnings"],
              json({"Au pire, le courant dans les LED atteint 41.7 mA, plus d'une fois et demie les 20 mA choisis.",
                    "À 3.00 V, bas de la plage, la LED peut ne plus s'allumer : il lui faut plus de 3.30 V si son "
                    "seuil dépasse de 0.1 V la valeur typique."}));
    EXPECT_EQ(recu[1]["strings"][0]["worst"]["current_min"], 0.0);

    // Two kinds of string: each in "strings", the top lines are the first.
    ASSERT_EQ(recu[2]["strings"].size(), 2u);
    EXPECT_EQ(recu[2]["strings"][1]["leds_per_string"], 1);
    EXPECT_EQ(recu[2]["strings"][1]["line1"], "Il vous faut une resistance de : 500.00 Ohms");
    EXPECT_EQ(recu[2]["line1"], recu[2]["strings"][0]["line1"]);

    const auto erreur = [](const char* classe, const char* message) {
        return json{{"error", classe}, {"message", message}};
    };
    EXPECT_EQ(recu[3], erreur("ETensionInsuffisante",
                              "La tension du générateur doit dépasser la tension de seuil des 3 LED en série : 6.00 V."));
    EXPECT_EQ(recu[4], erreur("EConvertError", "'20 mA' n'est pas une valeur en virgule flottante correcte."));
    EXPECT_EQ(recu[5], erreur("BadRequest", "Requête incorrecte : le champ « e_series » doit valoir E6, E12, E24, "
                                            "E48, E96 ou E192"));
    EXPECT_EQ(recu[6], erreur("BadRequest", "Requête incorrecte : le champ « strings » doit être un texte"));
    EXPECT_EQ(recu[7], erreur("BadRequest", "Requête incorrecte : le champ « range » doit être une liste de deux textes"));
    EXPECT_EQ(recu[8], erreur("BadRequest", "Requête incorrecte : le champ « voltage » doit être un texte"));
    EXPECT_EQ(recu[9]["line1"], "Il vous faut une resistance de : 170.00 Ohms");
}
