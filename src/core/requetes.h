#pragma once
// The two calculations of the main window, from the texts of its fields to
// its two result lines. They throw an Erreur (see core/erreurs.h) instead of
// returning a result when an input or the arithmetic fails.

#include "core/details.h"

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

}  // namespace ohmira
