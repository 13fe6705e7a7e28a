// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lot.h"

#include "core/couleurs.h"
#include "core/details.h"
#include "core/erreurs.h"
#include "core/nombres.h"
#include "core/requetes.h"
#include "flux.h"
#include "montage_cli.h"
#include "requete.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>

namespace ohmira::lot {

namespace {

using nlohmann::json;

const std::string Prefixe = "Requête incorrecte : ";
const std::array<std::string_view, 13> Champs = {
    "circuit", "colour", "voltage", "count", "separator",
    // LED arrays
    "range", "threshold", "current", "max_current", "leds_per_string", "strings", "total",
    "e_series"};
// The one field whose value is an array: a range's two texts.
constexpr std::string_view ChampTableau = "range";

// Only the request's own fields are kept: nested arrays and objects (but the
// range's), other keys and a top-level array are read through and dropped,
// so a hostile line costs little more than its own length.
json lireRequete(std::string_view ligne)
{
    // The parser takes a NUL for the end of the text and would ignore what
    // follows; a raw NUL is never valid JSON anyway.
    if (ligne.find('\0') != std::string_view::npos)
        throw ErreurRequete{"JSON illisible"};
    bool tableauAttendu = false;
    const auto garder = [&tableauAttendu](int profondeur, json::parse_event_t evenement, json& valeur) {
        using E = json::parse_event_t;
        if (evenement == E::object_start || evenement == E::array_start) {
            if (profondeur >= ProfondeurMax)
                throw ErreurRequete{"plus de " + std::to_string(ProfondeurMax) + " niveaux d'imbrication"};
            return (profondeur == 0 && evenement == E::object_start) ||
                   (profondeur == 1 && evenement == E::array_start && tableauAttendu);
        }
        if (evenement == E::key && profondeur == 1) {
            const auto& cle = valeur.get_ref<const std::string&>();
            tableauAttendu = cle == ChampTableau;
            return std::find(Champs.begin(), Champs.end(), cle) != Champs.end();
        }
        return true;
    };
    return json::parse(ligne.begin(), ligne.end(), garder);
}

// Numbers for programs: amperes and watts, the rating (null above 10 W) and
// the bands (empty when the value has no colour code).
json enJson(const Details& d)
{
    return {{"current_per_led", static_cast<double>(d.courantLed)},
            {"current_total", static_cast<double>(d.courantTotal)},
            {"power", static_cast<double>(d.puissance)},
            {"rating", d.calibre ? json(d.calibre->watts) : json(nullptr)},
            {"bands", d.bandes ? json(*d.bandes) : json::array()}};
}

json reponse(std::string_view ligne, const std::string& separateurParDefaut)
{
    try {
        const json requete = lireRequete(ligne);
        if (!requete.is_object())
            throw ErreurRequete{"la requête doit être un objet JSON"};

        const std::string circuit = texteChamp(requete, "circuit");
        if (circuit == "array")
            return repondreMontage(requete, separateurDe(requete, separateurParDefaut));
        if (circuit != "series" && circuit != "parallel")
            throw ErreurRequete{"le champ « circuit » doit valoir \"series\", \"parallel\" ou \"array\""};

        const auto couleur = requete.find("colour");
        if (couleur == requete.end() || !couleur->is_number_integer() || *couleur < 0 ||
            *couleur >= NombreCouleurs)
            throw ErreurRequete{"le champ « colour » doit être un entier de 0 à 8"};
        const int index = couleur->get<int>();

        const std::string separateur = separateurDe(requete, separateurParDefaut);

        const std::string tension = texteChamp(requete, "voltage");
        const Resultat r =
            circuit == "series"
                ? calculSerie(index, tension, separateur)
                : calculParallele(index, tension, texteChamp(requete, "count"), separateur);
        return {{"line1", r.ligne1}, {"line2", r.ligne2}, {"details", enJson(r.details)}};
    } catch (const Erreur& e) {
        return {{"error", e.nomClasse()}, {"message", messageBoite(e.message())}};
    } catch (const ErreurRequete& e) {
        return {{"error", "BadRequest"}, {"message", Prefixe + e.message}};
    } catch (const json::exception&) {
        return {{"error", "BadRequest"}, {"message", Prefixe + "JSON illisible"}};
    }
}

std::string enLigne(const json& j)
{
    return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string repondre(std::string_view ligne, const std::string& separateurParDefaut)
{
    return enLigne(reponse(ligne, separateurParDefaut));
}

std::string repondreTropLongue()
{
    return enLigne({{"error", "BadRequest"},
                    {"message", Prefixe + "ligne de plus de 1 Mio (" + std::to_string(LongueurMax) +
                                    " octets)"}});
}

int traiter(const std::string& separateurParDefaut)
{
    std::array<char, 64 * 1024> tampon;
    std::string ligne;  // never more than LongueurMax octets
    bool tropLongue = false;
    std::string reponses;
    const auto repondreLigne = [&] {
        reponses += tropLongue ? repondreTropLongue() : repondre(ligne, separateurParDefaut);
        reponses += '\n';
        ligne.clear();
        tropLongue = false;
    };
    for (;;) {
        // Answers go out before waiting for more input: a program sending
        // one request at a time gets each answer at once, and a failed write
        // stops the batch before anything more is read.
        if (!flux::ecrire(reponses))
            return 1;
        reponses.clear();
        const long lu = flux::lire(tampon.data(), tampon.size());
        if (lu < 0)
            return 1;
        if (lu == 0)
            break;
        std::string_view reste(tampon.data(), static_cast<std::size_t>(lu));
        for (;;) {
            const auto fin = reste.find('\n');
            const std::string_view morceau = reste.substr(0, fin);
            if (!tropLongue && morceau.size() > LongueurMax - ligne.size())
                tropLongue = true;
            if (!tropLongue)
                ligne += morceau;
            if (fin == std::string_view::npos)
                break;
            reste.remove_prefix(fin + 1);
            repondreLigne();
            if (reponses.size() >= tampon.size()) {
                if (!flux::ecrire(reponses))
                    return 1;
                reponses.clear();
            }
        }
    }
    if (!ligne.empty() || tropLongue)
        repondreLigne();
    return flux::ecrire(reponses) ? 0 : 1;
}

}  // namespace ohmira::lot
