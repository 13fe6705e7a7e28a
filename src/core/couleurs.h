// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The LED colours of both lists, in list order, and their forward voltages.
// Red comes first (it is selected when the window opens); infrared shares
// red's 1.6 V.

#include <array>
#include <string_view>

namespace ohmira {

inline constexpr int NombreCouleurs = 9;

inline constexpr std::array<std::string_view, NombreCouleurs> NomsCouleurs = {
    "Rouge", "InfraRouge", "Orange", "Jaune", "Vert",
    "Bleu",  "Violet",     "UltraViolet", "Blanc",
};

// Forward voltage of the colour at `index` (0 to 8), in volts:
//   TensionSeuil(0) -> 1.6   TensionSeuil(2) -> 2.0   TensionSeuil(8) -> 3.5
// Any other index gives 0 V; the lists never produce one.
long double TensionSeuil(int index);

// Index of a colour given by name (any case) or by its number "0" to "8";
// -1 when it is neither.
int indexCouleur(std::string_view texte);

}  // namespace ohmira
