// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading and writing numbers as the user types and reads them. The decimal
// separator is always a parameter: one character, UTF-8 encoded (","
// on a French desktop).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ohmira {

// The separator to use for a locale's decimal point: the text itself when it
// is exactly one character, "." otherwise.
//   separateurOuPoint(",") -> ","   separateurOuPoint("") -> "."
std::string separateurOuPoint(std::string_view pointDecimal);

// True when `texte` is one character that can separate decimals without
// clashing with the number grammar (not a digit, blank, sign or exponent)
// and that the reader can see (no-break spaces and invisible characters are
// blanks here too).
//   separateurUtilisable(",") -> true    separateurUtilisable("\u00A0") -> false
bool separateurUtilisable(std::string_view texte);

// Reads a real number: blanks (spaces only), an optional sign, digits with at
// most one separator (a lone separator is zero), an optional exponent "E" or
// "e" with optional sign and digits (no digits: exponent 0), blanks.
// Accumulated in extended precision; beyond the extended range is rejected.
//   lireReel(" 12,5 ", ",") -> 12.5    lireReel(",", ",") -> 0
//   lireReel("1,5E2", ",")  -> 150     lireReel("1e", ".") -> 1
//   lireReel("12.5", ",")   -> nothing (the other separator)
//   lireReel("1 000", ",")  -> nothing (no thousands separator)
//   lireReel("INF", ".")    -> nothing    lireReel("$10", ".") -> nothing
std::optional<long double> lireReel(std::string_view texte, std::string_view separateur);

// Reads a signed 32-bit integer: leading spaces, an optional sign, then
// decimal digits in range or a hexadecimal prefix ("$", "x", "X", "0x",
// "0X") and one to eight hex digits taken as a 32-bit pattern (negated
// after a "-"). Nothing may follow.
//   lireEntier(" 3") -> 3      lireEntier("3 ") -> nothing
//   lireEntier("$A") -> 10     lireEntier("$FFFFFFFF") -> -1
//   lireEntier("2147483648") -> nothing
std::optional<std::int32_t> lireEntier(std::string_view texte);

// Writes a value with two decimals ("%.2f") from its 18 significant digits,
// rounding half away from zero on those digits; 1e18 and above use the
// exponent form with all significant digits.
//   ecrireFixe(0.125, ",")  -> "0,13"    ecrireFixe(2.675, ".") -> "2.67"
//   ecrireFixe(-1e-9, ",")  -> "0,00"    ecrireFixe(-30000, ".") -> "-30000.00"
//   ecrireFixe(1.5e20, ",") -> "1,5E20"
std::string ecrireFixe(double valeur, std::string_view separateur);

}  // namespace ohmira
