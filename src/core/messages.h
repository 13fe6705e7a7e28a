// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The calculation's French error messages, each written once, so that the
// window, the command line and the batch all say the same thing. The
// numbers they quote come already written, with the user's separator.

#include <string>
#include <string_view>

namespace ohmira::messages {

// The floating-point errors, as the processor classes them.
inline constexpr const char* Debordement = "Débordement en virgule flottante";
inline constexpr const char* DivisionParZero = "Division par zéro en virgule flottante";
inline constexpr const char* OperationIncorrecte = "Opération en virgule flottante incorrecte";

// A field's text as typed, quoted: "'12,5 V' n'est pas une valeur en
// virgule flottante correcte".
std::string pasUnReel(std::string_view texte);
std::string pasUnEntier(std::string_view texte);
// "Le nombre de LED en parallèle ne peut pas être négatif : -3"
std::string nombreNegatif(std::string_view texte);

// The supply does not exceed the threshold of one LED ("1,60 V"), or of
// `leds` LEDs in series.
std::string tensionInsuffisante(std::string_view seuil);
std::string tensionInsuffisante(int leds, std::string_view seuils);

// LED arrays.
inline constexpr const char* PlageIncomplete = "La plage de tension demande un minimum et un maximum.";
inline constexpr const char* SeuilNonPositif = "La tension de seuil de la LED doit être positive.";
inline constexpr const char* CourantNonPositif = "Le courant dans les LED doit être positif.";
inline constexpr const char* CourantMaxNonPositif = "Le courant maximal des LED doit être positif.";
inline constexpr const char* TotalNul = "Le nombre total de LED doit être d'au moins 1.";
inline constexpr const char* SerieNulle = "Le nombre de LED en série par branche doit être d'au moins 1.";
inline constexpr const char* BranchesNulles = "Le nombre de branches doit être d'au moins 1.";
std::string plageInversee(std::string_view bas, std::string_view haut);
std::string nominaleHorsPlage(std::string_view nominale, std::string_view bas, std::string_view haut);

}  // namespace ohmira::messages
