// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two calculations of the main window, from the texts of its fields to
// its two result lines. They throw an Erreur (see core/erreurs.h) instead of
// returning a result when an input or the arithmetic fails.

#include "core/details.h"
#include "core/unites.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ohmira {

struct Resultat {
    std::string ligne1;  // "Il vous faut une resistance de : 170,00 Ohms"
    std::string ligne2;  // "Soit en normalisé : 180,00 Ohms"
    Details details;     // current, power and colour code with the standard value
};

// Current through every LED: 20 mA.
inline constexpr long double CourantLed = 0.02L;

// One LED in series: R = (V - Vf) / 0.02.
//   calculSerie(0, "5", ",") -> {"Il vous faut une resistance de : 170,00 Ohms",
//                                "Soit en normalisé : 180,00 Ohms"}
Resultat calculSerie(int couleur, std::string_view tension, std::string_view separateur);

// n identical LEDs in parallel behind one resistor: R = (V - Vf) / (n * 0.02).
//   calculParallele(0, "5", "2", ".") -> {"... : 85.00 Ohms", "... : 91.00 Ohms"}
Resultat calculParallele(int couleur, std::string_view tension, std::string_view nombre,
                         std::string_view separateur);

// A field's text read as a number, or EConvertError quoting the text:
//   lireReelChamp(" 12,5 ", ",") -> 12.5
//   lireReelChamp("En Volt", ",") -> "'En Volt' n'est pas une valeur en virgule flottante correcte"
//   lireEntierChamp("3 ")         -> "'3 ' n'est pas une valeur entière correcte"
long double lireReelChamp(std::string_view texte, std::string_view separateur);
std::int32_t lireEntierChamp(std::string_view texte);

// The two result lines for a scaled value or standard value and its unit:
//   ligneExacte(170, Unite::Ohms, ",")        -> "Il vous faut une resistance de : 170,00 Ohms"
//   ligneNormalisee(1.2, Unite::KiloOhms, ".") -> "Soit en normalisé : 1.20 kOhms"
std::string ligneExacte(double valeur, Unite unite, std::string_view separateur);
std::string ligneNormalisee(double valeur, Unite unite, std::string_view separateur);

}  // namespace ohmira
