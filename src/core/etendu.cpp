// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/etendu.h"

#include "core/erreurs.h"
#include "core/messages.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ohmira {

namespace {
constexpr int MaxExact = 27;  // 5^27 < 2^64

constexpr std::array<long double, MaxExact + 1> PuissancesExactes = [] {
    std::array<long double, MaxExact + 1> p{};
    long double v = 1.0L;
    for (auto& x : p) {
        x = v;
        v *= 10.0L;
    }
    return p;
}();

// Nearest extended value to 10^k, for any k (0 or infinity out of range).
long double puissanceProche(int k)
{
    char texte[16];
    std::snprintf(texte, sizeof texte, "1e%d", k);
    return std::strtold(texte, nullptr);
}
}  // namespace

long double puissanceExacte(int k)
{
    return PuissancesExactes[static_cast<std::size_t>(k)];
}

double stocker(long double valeur)
{
    const double d = static_cast<double>(valeur);
    if (std::isinf(d))
        throw EOverflow(messages::Debordement);
    return d;
}

long double decaler(long double valeur, int exposant)
{
    if (valeur == 0.0L || exposant == 0)
        return valeur;
    if (exposant > 0 && exposant <= MaxExact)
        return valeur * PuissancesExactes[static_cast<std::size_t>(exposant)];
    if (exposant < 0 && exposant >= -MaxExact)
        return valeur / PuissancesExactes[static_cast<std::size_t>(-exposant)];
    // Powers past the extended range are applied in two halves so that a
    // large mantissa with a very small exponent (or the reverse) survives.
    if (exposant > 4000 || exposant < -4000)
        return decaler(decaler(valeur, exposant / 2), exposant - exposant / 2);
    return valeur * puissanceProche(exposant);
}

}  // namespace ohmira
