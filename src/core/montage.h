// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// An array of LEDs on one supply: strings of LEDs in series, several strings
// in parallel, each string with its own resistor. From the LED's datasheet
// values, the supply (with the range it wanders over) and the layout, the
// resistor of each kind of string in any E series, what the LEDs really get
// with it, the whole array's powers, and the worst cases over the supply's
// range, the resistor's tolerance and a spread of the LEDs' threshold.
//
// Precision, as in the main window's calculators: texts are read into the
// 80-bit extended format; the threshold is stored as a double (as the colour
// table holds it); the current stays extended (20 mA is then the very
// constant the main window uses); the exact resistance, its scaled value and
// the standard values are stored doubles, compared exactly; currents,
// powers and worst cases are computed and kept in extended precision. So
// one LED, one string, 20 mA, a colour's threshold, E24 and no range give
// calculSerie's two lines and details to the last digit.
//
// Computing allocates nothing unless it throws: texts are built only when
// printed (lignesMontage, phrase).

#include "core/details.h"
#include "core/series.h"
#include "core/unites.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ohmira {

// What the user typed; numbers are texts read with the main window's rules.
struct DemandeMontage {
    std::string_view tension;                      // V, nominal
    std::optional<std::string_view> plageMin;      // V, with plageMax or not at all
    std::optional<std::string_view> plageMax;
    std::string_view seuil;                        // V, one LED's threshold
    std::string_view courant;                      // mA, through each LED
    std::optional<std::string_view> courantMax;    // mA, the LED's maximum
    // Either LEDs in series per string and number of strings, or the total
    // number of LEDs (then the layout is proposed and these two are unread).
    std::string_view serie;
    std::string_view branches;
    std::optional<std::string_view> total;
    SerieE serieE = SerieE::E24;
    std::string_view separateur;
};

// Usual supplies: the nominal voltage and the range it covers.
struct Alimentation {
    std::string_view nom;    // for the command line: "usb", "voiture", ...
    std::string_view texte;  // for a list: "USB 5 V ±5 %"
    double nominale, min, max;
};
inline constexpr std::array<Alimentation, 5> Alimentations = {{
    {"usb", "USB 5 V ±5 %", 5.0, 4.75, 5.25},
    {"voiture", "Voiture 12 V (11,5 à 14,4 V)", 12.0, 11.5, 14.4},
    {"li-ion", "Un élément Li-ion (3,0 à 4,2 V)", 3.7, 3.0, 4.2},
    {"2aa", "Deux piles AA (2,0 à 3,2 V)", 3.0, 2.0, 3.2},
    {"pile-9v", "Pile 9 V (6,5 à 9,6 V)", 9.0, 6.5, 9.6},
}};

// The spread of a LED's threshold around its typical value, in volts.
inline constexpr long double EcartSeuil = 0.1L;
// Below this voltage across the resistor the current follows the LEDs'
// threshold too closely.
inline constexpr long double MargeConseillee = 1.0L;

enum class Avertissement : std::uint8_t {
    CourantTropFort,  // above the LED's maximum, or 1.5 x the chosen current
    CalibreDepasse,   // the worst power exceeds the rating to buy
    MargeFaible,      // lowest supply minus the string's threshold under 1 V
    NeSAllumePas,     // the lowest supply may not light the string
};
inline constexpr int NombreAvertissements = 4;

// One standard value and what the string gets with it, at the nominal supply.
struct ValeurMontage {
    double ohms = 0;              // the standard value
    double affichee = 0;          // the same in the exact value's unit
    long double courantLed = 0;   // A
    long double puissance = 0;    // W, in the resistor
    std::optional<Calibre> calibre;  // to buy; none past 5 W
    std::optional<BandesCouleur> bandes;
};

// Worst cases with the value above: supply, resistor and threshold each at
// the end of their spread that lowers or raises the current.
struct PiresCas {
    long double courantMin = 0, courantMax = 0;      // A, per LED (0: not lit)
    long double puissanceMin = 0, puissanceMax = 0;  // W, in the resistor
};

// One kind of string: `nombre` strings of `leds` LEDs in series.
struct Branche {
    int leds = 0;
    int nombre = 0;
    double exacte = 0;           // ohms
    double exacteAffichee = 0;   // scaled into `unite`
    Unite unite = Unite::Ohms;
    ValeurMontage dessus, dessous;
    PiresCas pires;
    std::array<bool, NombreAvertissements> avertissements{};
};

struct ResultatMontage {
    std::array<Branche, 2> branches;  // the second only for a shorter last string
    int sortes = 1;
    SerieE serieE = SerieE::E24;
    // What was read, for the sentences; without a range the nominal voltage
    // is both ends.
    bool plage = false;
    long double tension = 0, tensionMin = 0, tensionMax = 0;
    double seuil = 0;
    long double courant = 0;
    std::optional<long double> courantMax;
    // The whole array at the nominal supply, with the values above.
    long double courantTotal = 0;     // A
    long double puissanceLeds = 0;    // W
    long double puissanceResistances = 0;
    long double puissanceAlimentation = 0;
    long double rendement = 0;        // LEDs' share of the supply power, 0 to 1
};

// Reads the demand and computes. Throws an Erreur for the first bad field, in
// the order of DemandeMontage, and when the supply does not exceed a string's
// threshold (as the main window does).
//   3 x 2 LEDs of 2 V at 20 mA on 12 V: 300 Ohms exactly, E24 above 330
//   total 10 on 12 V, 2 V: strings of 5 (12 - 5 x 2 = 2 V >= 1 V), two of them
//   total 11 on 12 V, 2 V: two strings of 5 and one of 1, each with its resistor
ResultatMontage calculMontage(const DemandeMontage& demande);

// The two lines of a kind of string, in the main window's form.
std::string ligne1(const Branche& branche, std::string_view separateur);
std::string ligne2(const Branche& branche, std::string_view separateur);

// The French sentence of a warning raised for branches[sorte].
std::string phrase(const ResultatMontage& r, int sorte, Avertissement a, std::string_view separateur);

// Every warning's sentence; when there are two kinds of string each says
// which kind it is about ("Branches de 5 LED : ...").
std::vector<std::string> avertissements(const ResultatMontage& r, std::string_view separateur);

// Everything as lines for the reader: for each kind of string its two lines,
// the layout, both standard values, the worst cases and its warnings; then
// the whole array.
std::vector<std::string> lignesMontage(const ResultatMontage& r, std::string_view separateur);

}  // namespace ohmira
