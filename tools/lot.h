// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The batch calculator: one JSON request per line on standard input, one
// JSON answer per line on standard output, in the order of the requests.

#include <cstddef>
#include <string>
#include <string_view>

namespace ohmira::lot {

// Longest request line, newline excluded: far beyond any real request, it
// bounds the memory a hostile input can take.
constexpr std::size_t LongueurMax = std::size_t{1} << 20;
// Deepest nesting of arrays and objects in a request line.
constexpr int ProfondeurMax = 64;

// The answer to one request line, as one line of JSON without its newline:
// {"error", "message"} or {"line1", "line2", "details"}.
std::string repondre(std::string_view ligne, const std::string& separateurParDefaut);

// The answer to a line longer than LongueurMax.
std::string repondreTropLongue();

// Answers every line of standard input until its end. Returns 0, or 1 after
// saying on stderr why reading or writing failed (the batch stops there).
int traiter(const std::string& separateurParDefaut);

}  // namespace ohmira::lot
