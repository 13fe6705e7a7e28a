// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Extended-precision helpers. Every calculation runs in the x87 80-bit
// format (64-bit significand) and is rounded to double where a value is
// stored, so results match the last printed digit on every machine.

#include <limits>

namespace ohmira {

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "long double must be the 80-bit extended format (x86-64 GCC or Clang)");

// Rounds to double as a store does; a value beyond the double range (or an
// infinite one) throws EOverflow instead of becoming infinite.
double stocker(long double valeur);

// valeur * 10^exposant in extended precision. For |exposant| <= 27 the power
// is exact, so the result is rounded once (a division for negative
// exponents); beyond, the nearest extended power is used.
long double decaler(long double valeur, int exposant);

// 10^k for 0 <= k <= 27, exact in the extended format.
long double puissanceExacte(int k);

}  // namespace ohmira
