// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the readers of a batch request share: the error of a malformed
// request, answered as a "BadRequest", and the reading of its fields.

#include "core/nombres.h"

#include <nlohmann/json.hpp>

#include <string>

namespace ohmira::lot {

struct ErreurRequete {
    std::string message;  // after "Requête incorrecte : "
};

inline std::string texteChamp(const nlohmann::json& requete, const char* cle)
{
    const auto it = requete.find(cle);
    if (it == requete.end() || !it->is_string())
        throw ErreurRequete{std::string("le champ « ") + cle + " » doit être un texte"};
    return it->get<std::string>();
}

// The request's "separator", or `parDefaut` when it gives none.
inline std::string separateurDe(const nlohmann::json& requete, const std::string& parDefaut)
{
    if (!requete.contains("separator"))
        return parDefaut;
    std::string separateur = texteChamp(requete, "separator");
    if (!separateurUtilisable(separateur))
        throw ErreurRequete{"le champ « separator » doit être un seul caractère "
                            "(ni chiffre, ni blanc, ni signe, ni « e »)"};
    return separateur;
}

}  // namespace ohmira::lot
