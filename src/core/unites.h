// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Unit scaling of a resistance and its E24 standard value.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ohmira {

// E24 mantissas times 100, ascending (IEC 60063).
inline constexpr std::array<std::int32_t, 24> SerieE24 = {
    100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
    330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910,
};

// The units a resistance is written in, each a power of 1000 ohms.
enum class Unite : std::uint8_t { MilliOhms, Ohms, KiloOhms };

// The text that ends both result lines: "mOhms", "Ohms", "kOhms".
constexpr std::string_view nomUnite(Unite unite)
{
    switch (unite) {
    case Unite::MilliOhms: return "mOhms";
    case Unite::KiloOhms: return "kOhms";
    case Unite::Ohms: break;
    }
    return "Ohms";
}

// Ohms per unit as a power of 1000: -1, 0 or 1.
constexpr int puissanceDeMille(Unite unite)
{
    return unite == Unite::MilliOhms ? -1 : unite == Unite::KiloOhms ? 1 : 0;
}

// Brings a resistance in ohms into its unit, in place, and returns the unit:
//   above 1000 -> divided by 1000, kOhms  (2 500 000 -> 2500 kOhms)
//   below 0.0001 -> times 1000, mOhms     (0.00005 -> 0.05 mOhms)
//   otherwise unchanged, Ohms             (1000 -> 1000 Ohms)
// Throws EOverflow if the scaled value leaves the double range.
Unite AdapterUnite(double& resistance);

// The smallest E24 value strictly above `valeur`, in whichever decade and in
// the same unit, compared exactly against the stored double:
//   150 -> 160     85 -> 91     950 -> 1000     0.17 -> 0.18
//   1.1 -> 1.2 (the double of 1.1 lies above 1.1)
//   1.2 -> 1.2 (the double of 1.2 lies just below 1.2)
// A value that is not positive gives 100.
double ValeurNormalisee(double valeur);

// A value in `unite` back in ohms, in extended precision: one product or
// one quotient by 1000, so the only rounding is the extended format's.
//   enOhms(1.5, KiloOhms) -> 1500   enOhms(50, MilliOhms) -> 0.05L   enOhms(170, Ohms) -> 170
constexpr long double enOhms(double valeur, Unite unite)
{
    const int p = puissanceDeMille(unite);
    return p > 0 ? valeur * 1000.0L : p < 0 ? valeur / 1000.0L : valeur;
}

}  // namespace ohmira
