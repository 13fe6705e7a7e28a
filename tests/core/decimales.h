// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Exact decimal comparisons for tests of the standard values: a reference
// that decides on decimal digits alone, never on binary arithmetic.

#include <cstdio>
#include <cstdlib>
#include <string>

// Exact decimal expansion of a double (glibc prints every digit exactly):
// digits without the point and the exponent of the first one.
struct Exact {
    std::string chiffres;
    int exposant;
};

inline Exact exact(double x)
{
    char texte[900];
    std::snprintf(texte, sizeof texte, "%.800e", x);
    const std::string s = texte;
    const auto e = s.find('e');
    std::string chiffres = s.substr(0, 1) + s.substr(2, e - 2);
    chiffres.erase(chiffres.find_last_not_of('0') + 1);
    return {chiffres, std::atoi(s.c_str() + e + 1)};
}

// entree * 10^k > x, for a three-digit entree (100 to 999).
inline bool plusGrand(int entree, int k, const Exact& x)
{
    if (k + 2 != x.exposant)
        return k + 2 > x.exposant;
    std::string e = std::to_string(entree);
    e.erase(e.find_last_not_of('0') + 1);
    return e > x.chiffres;  // equal prefixes: the longer string is the larger
}

// The double nearest entree * 10^k.
inline double decimal(int entree, int k)
{
    return std::strtod((std::to_string(entree) + "e" + std::to_string(k)).c_str(), nullptr);
}
