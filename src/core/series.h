// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The resistor series of IEC 60063, from E6 to E192, and the standard values
// on either side of a resistance.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ohmira {

enum class SerieE { E6, E12, E24, E48, E96, E192 };

struct DefinitionSerie {
    std::string_view nom;                   // "E96"
    std::span<const std::int32_t> valeurs;  // mantissas times 100, ascending
    long double tolerance;                  // 0.05L for 5 %
    int chiffres;                           // significant digits of a value: 2 up to E24, 3 beyond
};

const DefinitionSerie& definition(SerieE serie);

// The series named `nom`, in any case:
//   lireSerie("E96") -> E96   lireSerie("e6") -> E6   lireSerie("E10") -> nothing
std::optional<SerieE> lireSerie(std::string_view nom);

// The two values of a series around a positive, finite value, compared
// exactly against the stored double: `dessus` is the smallest value strictly
// above it (what ValeurNormalisee gives for E24), `dessous` the value just
// before `dessus` in the series, so a value already in the series is its own
// `dessous`. Both are the doubles nearest to the decimal values.
//   encadrer(300, E24)  -> {300, 330}     encadrer(310, E24) -> {300, 330}
//   encadrer(100, E6)   -> {100, 150}     encadrer(1.2, E24) -> {1.1, 1.2}
//   encadrer(10.05, E96) -> {10, 10.2}
struct Encadrement {
    double dessous;
    double dessus;
};
Encadrement encadrer(double valeur, SerieE serie);

}  // namespace ohmira
