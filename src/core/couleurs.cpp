// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/couleurs.h"

#include <cctype>

namespace ohmira {

namespace {
// Doubles on purpose, not 1.6L: the voltages are stored values, so the
// arithmetic starts from the double nearest each (1.6 is a hair above 1.6,
// 2.1 a hair above, 2.2 a hair above...). Results that end on a rounding
// boundary depend on those last bits; long double literals would change
// them.
constexpr std::array<double, NombreCouleurs> Tensions = {
    1.6, 1.6, 2.0, 2.1, 2.2, 2.5, 2.7, 3.1, 3.5,
};

bool memeTexte(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
}  // namespace

long double TensionSeuil(int index)
{
    if (index < 0 || index >= NombreCouleurs)
        return 0.0L;
    return Tensions[static_cast<std::size_t>(index)];
}

int indexCouleur(std::string_view texte)
{
    if (texte.size() == 1 && texte[0] >= '0' && texte[0] < '0' + NombreCouleurs)
        return texte[0] - '0';
    for (int i = 0; i < NombreCouleurs; ++i)
        if (memeTexte(texte, NomsCouleurs[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

}  // namespace ohmira
