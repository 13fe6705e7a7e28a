// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/messages.h"

namespace ohmira::messages {

namespace {

std::string cite(std::string_view texte)
{
    return "'" + std::string(texte) + "'";
}

}  // namespace

std::string pasUnReel(std::string_view texte)
{
    return cite(texte) + " n'est pas une valeur en virgule flottante correcte";
}

std::string pasUnEntier(std::string_view texte)
{
    return cite(texte) + " n'est pas une valeur entière correcte";
}

std::string nombreNegatif(std::string_view texte)
{
    return "Le nombre de LED en parallèle ne peut pas être négatif : " + std::string(texte);
}

std::string tensionInsuffisante(std::string_view seuil)
{
    return "La tension du générateur doit dépasser la tension de seuil de la LED : " + std::string(seuil);
}

std::string tensionInsuffisante(int leds, std::string_view seuils)
{
    return "La tension du générateur doit dépasser la tension de seuil des " + std::to_string(leds) +
           " LED en série : " + std::string(seuils);
}

std::string plageInversee(std::string_view bas, std::string_view haut)
{
    return "Le bas de la plage de tension (" + std::string(bas) + ") dépasse son haut (" + std::string(haut) + ").";
}

std::string nominaleHorsPlage(std::string_view nominale, std::string_view bas, std::string_view haut)
{
    return "La tension nominale (" + std::string(nominale) + ") doit se trouver dans la plage de " +
           std::string(bas) + " à " + std::string(haut) + ".";
}

}  // namespace ohmira::messages
