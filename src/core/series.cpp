// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/series.h"

#include "core/erreurs.h"
#include "core/messages.h"
#include "core/etendu.h"
#include "core/unites.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace ohmira {

namespace {

// Each coarser series is every other value of the next finer one, except
// that E24 and below keep their historical two-digit values.
constexpr std::array<std::int32_t, 6> E6 = {100, 150, 220, 330, 470, 680};
constexpr std::array<std::int32_t, 12> E12 = {100, 120, 150, 180, 220, 270, 330, 390, 470, 560, 680, 820};
constexpr std::array<std::int32_t, 48> E48 = {
    100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169, 178, 187, 196, 205,
    215, 226, 237, 249, 261, 274, 287, 301, 316, 332, 348, 365, 383, 402, 422, 442,
    464, 487, 511, 536, 562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953,
};
constexpr std::array<std::int32_t, 96> E96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976,
};
constexpr std::array<std::int32_t, 192> E192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120,
    121, 123, 124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145,
    147, 149, 150, 152, 154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176,
    178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203, 205, 208, 210, 213,
    215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312,
    316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379,
    383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448, 453, 459,
    464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816,
    825, 835, 845, 856, 866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

const std::array<DefinitionSerie, 6> Definitions = {{
    {"E6", E6, 0.2L, 2},
    {"E12", E12, 0.1L, 2},
    {"E24", SerieE24, 0.05L, 2},
    {"E48", E48, 0.02L, 3},
    {"E96", E96, 0.01L, 3},
    {"E192", E192, 0.005L, 3},
}};

// Both sides of a comparison are exact in the extended format when the
// power of ten is small: entry * 10^k needs entry * 5^k < 2^64 (k <= 23), and
// x * 10^j a 53-bit significand times 5^j < 2^11 (j <= 4).
constexpr int KMax = 23;
constexpr int JMax = 4;

std::string texteDecimal(std::int32_t entree, int k)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%de%d", entree, k);
    return texte;
}

// entree * 10^k read with the given rounding direction: the bracket of
// extended values around it. This relies on glibc's strtold rounding the
// exact decimal in the current rounding mode, as C requires of the strto*
// family; a test checks the standard values against exact decimal
// comparisons, which would catch a library that did not.
long double arrondiVers(const std::string& texte, int sens)
{
    const int avant = std::fegetround();
    std::fesetround(sens);
    const long double v = std::strtold(texte.c_str(), nullptr);
    std::fesetround(avant);
    return v;
}

// Is entree * 10^k > x, exactly?
bool auDessus(std::int32_t entree, int k, double x)
{
    const long double e = entree;
    if (k >= 0 && k <= KMax)
        return e * puissanceExacte(k) > x;
    if (k < 0 && k >= -JMax)
        return e > x * puissanceExacte(-k);
    // Elsewhere the decimal is an extended value (bas == haut), or lies
    // strictly between two neighbouring ones, bas < decimal < haut. x, a
    // double, is an extended value too, so it cannot fall between them:
    // it is below the decimal exactly when it is at or below bas.
    const std::string texte = texteDecimal(entree, k);
    const long double bas = arrondiVers(texte, FE_DOWNWARD);
    const long double haut = arrondiVers(texte, FE_UPWARD);
    return bas == haut ? bas > x : x <= bas;
}

// The double nearest entree * 10^k.
double valeurSerie(std::int32_t entree, int k)
{
    const long double e = entree;
    if (k >= 0 && k <= KMax)
        return stocker(e * puissanceExacte(k));
    if (k < 0 && k >= -JMax)
        return stocker(e / puissanceExacte(-k));
    const double d = std::strtod(texteDecimal(entree, k).c_str(), nullptr);
    if (std::isinf(d))
        throw EOverflow(messages::Debordement);
    return d;
}

}  // namespace

const DefinitionSerie& definition(SerieE serie)
{
    return Definitions[static_cast<std::size_t>(serie)];
}

std::optional<SerieE> lireSerie(std::string_view nom)
{
    for (std::size_t i = 0; i < Definitions.size(); ++i) {
        const std::string_view n = Definitions[i].nom;
        if (nom.size() == n.size() && std::toupper(static_cast<unsigned char>(nom[0])) == 'E' &&
            nom.substr(1) == n.substr(1))
            return static_cast<SerieE>(i);
    }
    return std::nullopt;
}

Encadrement encadrer(double valeur, SerieE serie)
{
    const auto valeurs = definition(serie).valeurs;
    // Decade k holds the values entry * 10^k; start at the one holding the
    // value, or one below when log10 lands a hair too high.
    int k = static_cast<int>(std::floor(std::log10(valeur))) - 2;
    while (auDessus(valeurs.front(), k, valeur))
        --k;
    for (;; ++k) {
        const auto premier = std::partition_point(valeurs.begin(), valeurs.end(), [&](std::int32_t entree) {
            return !auDessus(entree, k, valeur);
        });
        if (premier == valeurs.end())
            continue;
        const double dessous = premier == valeurs.begin() ? valeurSerie(valeurs.back(), k - 1)
                                                          : valeurSerie(*(premier - 1), k);
        return {dessous, valeurSerie(*premier, k)};
    }
}

}  // namespace ohmira
