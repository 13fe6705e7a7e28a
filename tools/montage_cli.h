// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// ohmira-calc montage: an LED array from the command line, and the batch
// requests whose "circuit" is "array".

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace ohmira {

// The usage lines and options of the command, for --help.
extern const char* const AideMontage;

// Runs `montage ARGUMENTS...` (the words after "montage"), printing the
// result on standard output or the error on standard error; returns the
// exit code: 0, 1 for a calculation error, 2 for a bad command line.
int montageEnLigne(const std::vector<std::string>& arguments, const std::string& separateur);

// The answer to one batch request with "circuit": "array", its separator
// already read. Throws lot::ErreurRequete (tools/requete.h) for a bad field
// and an Erreur for a failed calculation; the batch answers both.
nlohmann::json repondreMontage(const nlohmann::json& requete, const std::string& separateur);

}  // namespace ohmira
