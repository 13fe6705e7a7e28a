// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Reading and writing the standard streams of ohmira-calc without silent
// failures: a full disk, a closed pipe or an unreadable input ends the
// program with a French message, never with status 0.

#include <cstddef>
#include <string_view>

namespace ohmira::flux {

// Writes all of `texte` on standard output. On failure, says so on stderr
// and returns false; the caller stops.
bool ecrire(std::string_view texte);

// Reads what standard input has (at most `taille` octets) into `tampon`: the
// count read, 0 at the end of input, or -1 after saying on stderr why
// reading failed.
long lire(char* tampon, std::size_t taille);

}  // namespace ohmira::flux
