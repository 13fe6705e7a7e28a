// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a hobbyist wants to know about the resistor once it is chosen: the
// current the LEDs really get with the standard value, the power the
// resistor burns and the rating to buy, and its colour bands.

#include "core/series.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

// A power rating to buy: its watts and how it is written ("1/4 W").
struct Calibre {
    double watts;
    std::string_view texte;
    bool operator==(const Calibre&) const = default;
};

struct Details {
    int nombre = 1;               // LEDs behind the resistor
    double resistance = 0;        // ohms, the standard value
    long double courantLed = 0;   // A, through each LED
    long double courantTotal = 0; // A, through the resistor
    long double puissance = 0;    // W, burnt in the resistor
    std::optional<Calibre> calibre;   // to buy; none above 10 W
    // French colour names of the four bands; none below 0.1 ohm or beyond
    // white's x10^9.
    std::optional<std::array<std::string_view, 4>> bandes;
};

// From the voltage across the resistor, V - Vf (supply less the LED's
// forward voltage, as the request computed it), the LED count n and the
// standard value in ohms:
//   current per LED (V - Vf) / (n * Rn), total (V - Vf) / Rn,
//   power (V - Vf)^2 / Rn, rating the smallest of 1/8, 1/4, 1/2, 1, 2, 3, 5
//   and 10 W that is at least twice the power,
//   bands: two digits, multiplier, gold (5 %).
//   detailler(5 - 1.6, 1, 180) -> 18.9 mA, 64.2 mW, 1/4 W,
//                                marron, gris, marron, or
Details detailler(long double chute, int nombre, double normaliseeOhms);

// The rating to buy for a power: the smallest of 1/8, 1/4, 1/2, 1, 2, 3, 5
// and 10 W that is at least twice it (none past 5 W).
//   calibrePour(0.0642) -> {0.25, "1/4 W"}
std::optional<Calibre> calibrePour(long double puissance);

// Colour bands of a standard value of a series: its significant digits (two
// up to E24, three beyond), the multiplier, and the tolerance band (silver
// 10 %, gold 5 %, red 2 %, brown 1 %, green 0.5 %; none for 20 %). None below
// 0.1 ohm or beyond white's x10^9.
//   bandesSerie(180, E24)    -> marron, gris, marron, or
//   bandesSerie(10200, E96)  -> marron, noir, rouge, rouge, marron
//   bandesSerie(4.7, E6)     -> jaune, violet, or
struct BandesCouleur {
    std::array<std::string_view, 5> noms{};
    int nombre = 0;
    const std::string_view* begin() const { return noms.data(); }
    const std::string_view* end() const { return noms.data() + nombre; }
};
std::optional<BandesCouleur> bandesSerie(double ohms, SerieE serie);

// Three significant digits, the user's separator, no unit:
//   lisible(66.666, ",") -> "66,7"   lisible(2, ".") -> "2"
std::string lisible(long double valeur, std::string_view separateur);

// A value in the unit that reads best, three significant digits:
//   avecUnite(0.0189, "A", ",") -> "18,9 mA"   avecUnite(1.19, "W", ",") -> "1,19 W"
//   avecUnite(0.00085, "A", ".") -> "850 µA"
std::string avecUnite(long double valeur, const char* unite, std::string_view separateur);

// The details as lines for the reader, numbers rounded for reading with the
// given separator:
//   "courant dans la LED : 18,9 mA"
//   "puissance dans la résistance : 64,2 mW (prendre 1/4 W)"
//   "code couleur : marron, gris, marron, or"
// For LEDs in parallel the current line gives the total too, and a last line
// warns that one shared resistor shares the current badly.
std::vector<std::string> lignesDetails(const Details& details, std::string_view separateur);

}  // namespace ohmira
