// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/unites.h"

#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/series.h"

#include <cmath>

namespace ohmira {

Unite AdapterUnite(double& resistance)
{
    const long double x = resistance;
    if (x > 1000.0L) {
        resistance = stocker(x / 1000.0L);
        return Unite::KiloOhms;
    }
    if (x < 0.0001L) {
        resistance = stocker(x * 1000.0L);
        return Unite::MilliOhms;
    }
    return Unite::Ohms;
}

double ValeurNormalisee(double valeur)
{
    if (!(valeur > 0.0))
        return SerieE24.front();
    if (std::isinf(valeur))
        return valeur;
    return encadrer(valeur, SerieE::E24).dessus;
}


}  // namespace ohmira
