// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/details.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ohmira {

namespace {

constexpr std::array<std::string_view, 10> Chiffres = {
    "noir", "marron", "rouge", "orange", "jaune", "vert", "bleu", "violet", "gris", "blanc",
};

constexpr std::array<Calibre, 8> Calibres = {{
    {0.125, "1/8 W"}, {0.25, "1/4 W"}, {0.5, "1/2 W"}, {1, "1 W"},
    {2, "2 W"}, {3, "3 W"}, {5, "5 W"}, {10, "10 W"},
}};

// The series' tolerance band: none stands for 20 %.
constexpr std::array<std::string_view, 6> Tolerances = {"", "argent", "or", "rouge", "marron", "vert"};

}  // namespace

std::string lisible(long double valeur, std::string_view separateur)
{
    char texte[64];
    const auto fin = std::to_chars(texte, texte + sizeof texte, valeur, std::chars_format::general, 3).ptr;
    std::string sortie;
    for (const char* p = texte; p != fin; ++p) {
        if (*p == '.')
            sortie.append(separateur);
        else if (*p == 'e')
            sortie += 'E';
        else if (*p != '+')
            sortie += *p;
    }
    return sortie;
}

std::string avecUnite(long double valeur, const char* unite, std::string_view separateur)
{
    const long double m = std::fabs(valeur);
    if (m >= 1e3L && m < 1e6L)
        return lisible(valeur / 1e3L, separateur) + " k" + unite;
    if (m >= 1 || m == 0 || !std::isfinite(m))
        return lisible(valeur, separateur) + " " + unite;
    if (m >= 1e-3L)
        return lisible(valeur * 1e3L, separateur) + " m" + unite;
    return lisible(valeur * 1e6L, separateur) + " µ" + unite;
}

std::optional<Calibre> calibrePour(long double puissance)
{
    for (const Calibre& c : Calibres)
        if (c.watts >= 2 * puissance)
            return c;
    return std::nullopt;
}

std::optional<BandesCouleur> bandesSerie(double ohms, SerieE serie)
{
    // The significant digits, then the power of ten: gold is x0.1, silver
    // x0.01, white x10^9 the largest.
    if (!(ohms >= 0.1) || !std::isfinite(ohms))
        return std::nullopt;
    const int n = definition(serie).chiffres;
    const long haut = n == 2 ? 100 : 1000;
    int exposant = static_cast<int>(std::floor(std::log10(ohms))) - (n - 1);
    long chiffres = std::lround(ohms / std::pow(10.0, exposant));
    if (chiffres >= haut) {
        chiffres /= 10;
        ++exposant;
    } else if (chiffres < haut / 10) {
        chiffres *= 10;
        --exposant;
    }
    if (exposant < -2 || exposant > 9)
        return std::nullopt;
    BandesCouleur b;
    for (long p = haut / 10; p > 0; p /= 10)
        b.noms[static_cast<std::size_t>(b.nombre++)] = Chiffres[static_cast<std::size_t>(chiffres / p % 10)];
    b.noms[static_cast<std::size_t>(b.nombre++)] = exposant == -2   ? "argent"
                                                   : exposant == -1 ? "or"
                                                                    : Chiffres[static_cast<std::size_t>(exposant)];
    const std::string_view tolerance = Tolerances[static_cast<std::size_t>(serie)];
    if (!tolerance.empty())
        b.noms[static_cast<std::size_t>(b.nombre++)] = tolerance;
    return b;
}

Details detailler(long double chute, int nombre, double normaliseeOhms)
{
    Details d;
    d.nombre = nombre;
    d.resistance = normaliseeOhms;
    d.courantTotal = chute / normaliseeOhms;
    d.courantLed = d.courantTotal / nombre;
    d.puissance = chute * chute / normaliseeOhms;
    d.calibre = calibrePour(d.puissance);
    if (const auto b = bandesSerie(normaliseeOhms, SerieE::E24))
        d.bandes = std::array<std::string_view, 4>{b->noms[0], b->noms[1], b->noms[2], b->noms[3]};
    return d;
}

std::vector<std::string> lignesDetails(const Details& d, std::string_view sep)
{
    std::vector<std::string> lignes;
    if (d.nombre == 1)
        lignes.push_back("courant dans la LED : " + avecUnite(d.courantLed, "A", sep));
    else
        lignes.push_back("courant par LED : " + avecUnite(d.courantLed, "A", sep) +
                         ", courant total : " + avecUnite(d.courantTotal, "A", sep));

    std::string puissance = "puissance dans la résistance : " + avecUnite(d.puissance, "W", sep);
    if (d.calibre) {
        puissance.append(" (prendre ").append(d.calibre->texte).append(")");
    } else {
        puissance += " (aucune résistance ordinaire : plus de 10 W)";
    }
    lignes.push_back(puissance);

    std::string code = "code couleur : ";
    if (!d.bandes) {
        code += d.resistance < 0.1 ? "aucun en dessous de 0" + std::string(sep) + "1 Ohm"
                                   : std::string("aucun au-delà de 99 GOhms");
    } else {
        for (std::size_t i = 0; i < d.bandes->size(); ++i)
            code.append(i ? ", " : "").append((*d.bandes)[i]);
    }
    lignes.push_back(code);

    if (d.nombre > 1)
        lignes.push_back("Attention : une résistance commune répartit mal le courant entre des LED "
                         "en parallèle ; une résistance par LED est plus sûre.");
    return lignes;
}

}  // namespace ohmira
