// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two requests, from field texts to result lines or errors.

#include "core/erreurs.h"
#include "core/requetes.h"
#include "verifier.h"

#include <gtest/gtest.h>

#include <string>

using namespace ohmira;

namespace {

enum Couleur { Rouge, InfraRouge, Orange, Jaune, Vert, Bleu, Violet, UltraViolet, Blanc };

std::string avec(std::string texte, const std::string& separateur)
{
    std::string sortie;
    for (const char c : texte)
        sortie += c == ',' ? separateur : std::string(1, c);
    return sortie;
}

const char* const Seps[] = {",", "."};

}  // namespace

TEST(Requetes, WorkedResults)
{
    struct Cas {
        const char* nom;
        int couleur;
        const char* tension;  // with ","
        const char* nombre;   // nullptr: one LED in series
        const char* r;
        const char* n;
        const char* unite;
    };
    const Cas cas[] = {
        {"rouge, 5 V", Rouge, "5", nullptr, "170,00", "180,00", "Ohms"},
        {"bleu, 12 V", Bleu, "12", nullptr, "475,00", "510,00", "Ohms"},
        {"kOhms au-dessus de 1000", Rouge, "24", nullptr, "1,12", "1,20", "kOhms"},
        {"à peine au-dessus du seuil", Orange, "2,0001", nullptr, "0,01", "0,01", "Ohms"},
        {"valeur E24 exacte en kOhms", Orange, "26", nullptr, "1,20", "1,20", "kOhms"},
        {"violet, 5 V", Violet, "5", nullptr, "115,00", "120,00", "Ohms"},
        {"deux en parallèle", Rouge, "5", "2", "85,00", "91,00", "Ohms"},
        {"trois en parallèle, quotient inexact", Rouge, "5", "3", "56,67", "62,00", "Ohms"},
        {"vert, trois en parallèle", Vert, "12", "3", "163,33", "180,00", "Ohms"},
        {"mille en parallèle, sous 1 Ohm", Rouge, "5", "1000", "0,17", "0,18", "Ohms"},
        {"blancs autour des nombres", InfraRouge, " 12,5 ", " 3", "181,67", "200,00", "Ohms"},
        {"nombre en hexadécimal", Rouge, "5", "$A", "17,00", "18,00", "Ohms"},
        {"blanc, kOhms", Blanc, "1003,5", nullptr, "50,00", "51,00", "kOhms"},
        {"au-delà de 1000 kOhms", Rouge, "50001,6", nullptr, "2500,00", "2700,00", "kOhms"},
        {"mOhms sous 0,0001 Ohm", Rouge, "1,6000001", nullptr, "0,00", "0,01", "mOhms"},
    };
    for (const char* sep : Seps)
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(c.nom) + ", séparateur " + sep);
            const std::string tension = avec(c.tension, sep);
            const Resultat r = c.nombre ? calculParallele(c.couleur, tension, c.nombre, sep)
                                        : calculSerie(c.couleur, tension, sep);
            EXPECT_EQ(r.ligne1, avec(std::string("Il vous faut une resistance de : ") + c.r + " " + c.unite, sep))
                << tension;
            EXPECT_EQ(r.ligne2, avec(std::string("Soit en normalisé : ") + c.n + " " + c.unite, sep)) << tension;
        }
}

TEST(Requetes, ConversionErrorsQuoteTheFieldAsTyped)
{
    for (const char* sep : Seps) {
        const std::string autre = std::string(sep) == "," ? "12.5" : "12,5";
        EXPECT_THROW_MSG(calculSerie(Rouge, "En Volt", sep), EConvertError,
                         "'En Volt' n'est pas une valeur en virgule flottante correcte");
        EXPECT_THROW_MSG(calculSerie(Rouge, "", sep), EConvertError,
                         "'' n'est pas une valeur en virgule flottante correcte");
        EXPECT_THROW_MSG(calculSerie(Rouge, autre, sep), EConvertError,
                         "'" + autre + "' n'est pas une valeur en virgule flottante correcte");
        EXPECT_THROW_MSG(calculParallele(Rouge, "5", "", sep), EConvertError,
                         "'' n'est pas une valeur entière correcte");
        EXPECT_THROW_MSG(calculParallele(Rouge, "5", "3 ", sep), EConvertError,
                         "'3 ' n'est pas une valeur entière correcte");
        // Both fields wrong: the voltage is read first and stops the request.
        EXPECT_THROW_MSG(calculParallele(Rouge, " 5 V ", "trois", sep), EConvertError,
                         "' 5 V ' n'est pas une valeur en virgule flottante correcte");
    }
}

TEST(Requetes, ArithmeticErrors)
{
    for (const char* sep : Seps) {
        const std::string seize = avec("1,6", sep);
        EXPECT_THROW_MSG(calculParallele(Rouge, "5", "0", sep), EZeroDivide,
                         "Division par zéro en virgule flottante");
        // 1.6 typed is not the double 1.6: the difference is a tiny negative, not zero.
        EXPECT_THROW_MSG(calculParallele(Rouge, seize, "0", sep), EZeroDivide,
                         "Division par zéro en virgule flottante");
        EXPECT_THROW_MSG(calculParallele(Orange, "2", "0", sep), EInvalidOp,
                         "Opération en virgule flottante incorrecte");
        EXPECT_THROW_MSG(calculParallele(Blanc, avec("3,5", sep), "$0", sep), EInvalidOp,
                         "Opération en virgule flottante incorrecte");
        EXPECT_THROW_MSG(calculSerie(Rouge, avec("3,6e306", sep), sep), EOverflow,
                         "Débordement en virgule flottante");
        EXPECT_THROW_MSG(calculParallele(Rouge, "1e4931", "1", sep), EOverflow,
                         "Débordement en virgule flottante");
    }
}

TEST(Requetes, SupplyMustExceedForwardVoltage)
{
    struct Cas {
        const char* nom;
        int couleur;
        const char* tension;
        const char* nombre;
        const char* seuil;
    };
    const Cas cas[] = {
        {"exactement zéro", Blanc, "3,5", nullptr, "3,50"},
        {"un rien sous zéro", Rouge, "1,6", nullptr, "1,60"},
        {"sous le seuil", Rouge, "1", nullptr, "1,60"},
        {"tension négative", Vert, "-12", nullptr, "2,20"},
        {"en parallèle, à zéro", Orange, "2", "3", "2,00"},
        {"en parallèle, sous le seuil", UltraViolet, "3", "2", "3,10"},
    };
    for (const char* sep : Seps)
        for (const Cas& c : cas) {
            SCOPED_TRACE(std::string(c.nom) + ", séparateur " + sep);
            const std::string tension = avec(c.tension, sep);
            const std::string message =
                avec(std::string("La tension du générateur doit dépasser la tension de seuil de la LED : ") +
                         c.seuil + " V",
                     sep);
            if (c.nombre)
                EXPECT_THROW_MSG(calculParallele(c.couleur, tension, c.nombre, sep), ETensionInsuffisante,
                                 message);
            else
                EXPECT_THROW_MSG(calculSerie(c.couleur, tension, sep), ETensionInsuffisante, message);
        }
}

TEST(Requetes, NegativeCountIsRefusedAsTyped)
{
    EXPECT_THROW_MSG(calculParallele(Rouge, "1", " -3", ","), ENombreNegatif,
                     "Le nombre de LED en parallèle ne peut pas être négatif :  -3");
    EXPECT_THROW_MSG(calculParallele(Rouge, "5", "$FFFFFFFF", ","), ENombreNegatif,
                     "Le nombre de LED en parallèle ne peut pas être négatif : $FFFFFFFF");
    // A bad voltage is still reported first.
    EXPECT_THROW(calculParallele(Rouge, "x", "-3", ","), EConvertError);
}

TEST(CommentExamples, Requetes)
{
    const Resultat serie = calculSerie(0, "5", ",");
    EXPECT_EQ(serie.ligne1, "Il vous faut une resistance de : 170,00 Ohms");
    EXPECT_EQ(serie.ligne2, "Soit en normalisé : 180,00 Ohms");
    const Resultat parallele = calculParallele(0, "5", "2", ".");
    EXPECT_EQ(parallele.ligne1, "Il vous faut une resistance de : 85.00 Ohms");
    EXPECT_EQ(parallele.ligne2, "Soit en normalisé : 91.00 Ohms");
}

TEST(Requetes, FieldReadersAndLinesHeaderExamples)
{
    EXPECT_EQ(lireReelChamp(" 12,5 ", ","), 12.5L);
    EXPECT_THROW_MSG(lireReelChamp("En Volt", ","), EConvertError,
                     "'En Volt' n'est pas une valeur en virgule flottante correcte");
    EXPECT_EQ(lireEntierChamp("$A"), 10);
    EXPECT_THROW_MSG(lireEntierChamp("3 "), EConvertError, "'3 ' n'est pas une valeur entière correcte");
    EXPECT_EQ(ligneExacte(170, Unite::Ohms, ","), "Il vous faut une resistance de : 170,00 Ohms");
    EXPECT_EQ(ligneNormalisee(1.2, Unite::KiloOhms, "."), "Soit en normalisé : 1.20 kOhms");
}
