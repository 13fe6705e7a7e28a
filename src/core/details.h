#pragma once
// What a hobbyist wants to know about the resistor once it is chosen: the
// current the LEDs really get with the standard value, the power the
// resistor burns and the rating to buy, and its colour bands.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

struct Details {
    int nombre = 1;               // LEDs behind the resistor
    double resistance = 0;        // ohms, the standard value
    long double courantLed = 0;   // A, through each LED
    long double courantTotal = 0; // A, through the resistor
    long double puissance = 0;    // W, burnt in the resistor
    std::optional<double> calibre;    // W to buy; none above 10 W
    // French colour names of the four bands; none below 0.1 ohm or beyond
    // white's x10^9.
    std::optional<std::array<std::string_view, 4>> bandes;
};

// From the supply V, the forward voltage Vf, the LED count n and the
// standard value in ohms:
//   current per LED (V - Vf) / (n * Rn), total (V - Vf) / Rn,
//   power (V - Vf)^2 / Rn, rating the smallest of 1/8, 1/4, 1/2, 1, 2, 3, 5
//   and 10 W that is at least twice the power,
//   bands: two digits, multiplier, gold (5 %).
//   detailler(5, 1.6, 1, 180) -> 18.9 mA, 64.2 mW, 1/4 W,
//                                marron, gris, marron, or
Details detailler(long double tension, double seuil, int nombre, double normaliseeOhms);

// The details as lines for the reader, numbers rounded for reading with the
// given separator:
//   "courant dans la LED : 18,9 mA"
//   "puissance dans la résistance : 64,2 mW (prendre 1/4 W)"
//   "code couleur : marron, gris, marron, or"
// For LEDs in parallel the current line gives the total too, and a last line
// warns that one shared resistor shares the current badly.
std::vector<std::string> lignesDetails(const Details& details, std::string_view separateur);

}  // namespace ohmira
