// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "montage_cli.h"

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/montage.h"
#include "core/nombres.h"
#include "flux.h"
#include "requete.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <iostream>
#include <optional>
#include <string_view>

namespace ohmira {

namespace {

using nlohmann::json;

constexpr int ExitErreur = 1;
constexpr int ExitUsage = 2;

struct Usage {
    std::string message;
};

// A preset number as the user would type it, exact to the double.
std::string texteNombre(double valeur, const std::string& separateur)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%.17g", valeur);
    std::string sortie;
    for (const char* p = texte; *p; ++p)
        if (*p == '.')
            sortie += separateur;
        else
            sortie += *p;
    return sortie;
}

// The texts the demand points into.
struct Champs {
    std::optional<std::string> tension, plageMin, plageMax, seuil, courant, courantMax, serie, branches, total;
    SerieE serieE = SerieE::E24;
};

DemandeMontage demande(const Champs& c, const std::string& separateur)
{
    DemandeMontage d;
    d.tension = *c.tension;
    if (c.plageMin)
        d.plageMin = *c.plageMin;
    if (c.plageMax)
        d.plageMax = *c.plageMax;
    d.seuil = *c.seuil;
    d.courant = *c.courant;
    if (c.courantMax)
        d.courantMax = *c.courantMax;
    if (c.total) {
        d.total = *c.total;
    } else {
        d.serie = *c.serie;
        d.branches = *c.branches;
    }
    d.serieE = c.serieE;
    d.separateur = separateur;
    return d;
}

Champs lireArguments(const std::vector<std::string>& arguments, const std::string& separateur)
{
    Champs c;
    std::optional<int> couleur;
    const Alimentation* alimentation = nullptr;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (i + 1 == arguments.size())
            throw Usage{option.rfind("--", 0) == 0 ? option + " attend une valeur"
                                                   : "argument inattendu : « " + option + " »"};
        const std::string& valeur = arguments[++i];
        if (option == "--tension") {
            c.tension = valeur;
        } else if (option == "--plage") {
            const auto deuxPoints = valeur.find(':');
            if (deuxPoints == std::string::npos || valeur.find(':', deuxPoints + 1) != std::string::npos)
                throw Usage{"--plage attend MIN:MAX"};
            c.plageMin = valeur.substr(0, deuxPoints);
            c.plageMax = valeur.substr(deuxPoints + 1);
        } else if (option == "--seuil") {
            c.seuil = valeur;
        } else if (option == "--courant") {
            c.courant = valeur;
        } else if (option == "--courant-max") {
            c.courantMax = valeur;
        } else if (option == "--serie") {
            c.serie = valeur;
        } else if (option == "--branches") {
            c.branches = valeur;
        } else if (option == "--total") {
            c.total = valeur;
        } else if (option == "--e") {
            const auto s = lireSerie(valeur);
            if (!s)
                throw Usage{"série inconnue : « " + valeur + " » (E6, E12, E24, E48, E96 ou E192)"};
            c.serieE = *s;
        } else if (option == "--couleur") {
            const int index = indexCouleur(valeur);
            if (index < 0)
                throw Usage{"couleur inconnue : « " + valeur + " »"};
            couleur = index;
        } else if (option == "--alimentation") {
            for (const Alimentation& a : Alimentations)
                if (a.nom == valeur)
                    alimentation = &a;
            if (!alimentation)
                throw Usage{"alimentation inconnue : « " + valeur + " » (usb, voiture, li-ion, 2aa ou pile-9v)"};
        } else {
            throw Usage{"option inconnue pour montage : « " + option + " »"};
        }
    }
    // Presets fill only what was not typed.
    if (couleur) {
        if (!c.seuil)
            c.seuil = texteNombre(static_cast<double>(TensionSeuil(*couleur)), separateur);
        if (!c.courant)
            c.courant = "20";
    }
    if (alimentation) {
        if (!c.tension)
            c.tension = texteNombre(alimentation->nominale, separateur);
        if (!c.plageMin) {
            c.plageMin = texteNombre(alimentation->min, separateur);
            c.plageMax = texteNombre(alimentation->max, separateur);
        }
    }
    if (!c.tension)
        throw Usage{"montage attend --tension (ou --alimentation)"};
    if (!c.seuil)
        throw Usage{"montage attend --seuil (ou --couleur)"};
    if (!c.courant)
        throw Usage{"montage attend --courant (ou --couleur)"};
    if (c.total ? c.serie || c.branches : !c.serie || !c.branches)
        throw Usage{"montage attend --serie K et --branches S, ou --total N"};
    return c;
}

std::optional<std::string> texteOptionnel(const json& requete, const char* cle)
{
    if (!requete.contains(cle))
        return std::nullopt;
    return lot::texteChamp(requete, cle);
}

// A figure as a JSON number; beyond the double range it is infinite (and
// written null) rather than an undefined conversion.
double nombre(long double v)
{
    if (std::fabs(v) > std::numeric_limits<double>::max())
        return std::signbit(v) ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    return static_cast<double>(v);
}

json valeurJson(const ValeurMontage& v)
{
    return {{"resistance", v.ohms},
            {"current_per_led", nombre(v.courantLed)},
            {"power", nombre(v.puissance)},
            {"rating", v.calibre ? json(v.calibre->watts) : json(nullptr)},
            {"bands", v.bandes ? json(std::vector<std::string_view>(v.bandes->begin(), v.bandes->end()))
                               : json::array()}};
}

json resultatJson(const ResultatMontage& r, const std::string& sep)
{
    json branches = json::array();
    for (int i = 0; i < r.sortes; ++i) {
        const Branche& b = r.branches[static_cast<std::size_t>(i)];
        json phrases = json::array();
        for (int a = 0; a < NombreAvertissements; ++a)
            if (b.avertissements[static_cast<std::size_t>(a)])
                phrases.push_back(phrase(r, i, static_cast<Avertissement>(a), sep));
        branches.push_back({{"leds_per_string", b.leds},
                            {"count", b.nombre},
                            {"line1", ligne1(b, sep)},
                            {"line2", ligne2(b, sep)},
                            {"resistance", b.exacte},
                            {"above", valeurJson(b.dessus)},
                            {"below", valeurJson(b.dessous)},
                            {"worst",
                             {{"current_min", nombre(b.pires.courantMin)},
                              {"current_max", nombre(b.pires.courantMax)},
                              {"power_min", nombre(b.pires.puissanceMin)},
                              {"power_max", nombre(b.pires.puissanceMax)}}},
                            {"warnings", phrases}});
    }
    return {{"line1", branches[0]["line1"]},
            {"line2", branches[0]["line2"]},
            {"strings", branches},
            {"current_total", nombre(r.courantTotal)},
            {"power_leds", nombre(r.puissanceLeds)},
            {"power_resistors", nombre(r.puissanceResistances)},
            {"power_supply", nombre(r.puissanceAlimentation)},
            {"efficiency", nombre(r.rendement)},
            {"warnings", avertissements(r, sep)}};
}

}  // namespace

const char* const AideMontage =
    "Usage : ohmira-calc [--separateur C] montage --tension V [--plage MIN:MAX]\n"
    "                    --seuil V --courant MA [--courant-max MA]\n"
    "                    (--serie K --branches S | --total N) [--e E24]\n"
    "\n"
    "montage calcule un ensemble de LED : des branches de K LED en série,\n"
    "S branches en parallèle, chacune avec sa résistance ; ou, avec --total,\n"
    "propose les branches. Il donne pour chaque sorte de branche la valeur\n"
    "exacte, les valeurs normalisées au-dessus et en dessous, le courant et\n"
    "la puissance, les pires cas (plage de tension, tolérance de la\n"
    "résistance, seuil à 0,1 V près) et des avertissements.\n"
    "\n"
    "  --tension V        tension nominale du générateur en volts\n"
    "  --plage MIN:MAX    plage de la tension du générateur (ex. 11,5:14,4)\n"
    "  --alimentation A   usb, voiture, li-ion, 2aa ou pile-9v : tension et plage\n"
    "  --seuil V          tension de seuil d'une LED (fiche technique)\n"
    "  --courant MA       courant dans chaque LED en milliampères\n"
    "  --couleur COULEUR  seuil de la couleur et 20 mA\n"
    "  --courant-max MA   courant maximal d'une LED (fiche technique)\n"
    "  --serie K          LED en série par branche\n"
    "  --branches S       nombre de branches en parallèle\n"
    "  --total N          nombre total de LED : les branches sont proposées\n"
    "  --e SERIE          E6, E12, E24 (par défaut), E48, E96 ou E192\n";

int montageEnLigne(const std::vector<std::string>& arguments, const std::string& separateur)
{
    try {
        const Champs champs = lireArguments(arguments, separateur);
        const ResultatMontage r = calculMontage(demande(champs, separateur));
        std::string sortie;
        for (const std::string& ligne : lignesMontage(r, separateur))
            sortie.append(ligne).append("\n");
        return flux::ecrire(sortie) ? 0 : ExitErreur;
    } catch (const Usage& u) {
        std::cerr << "ohmira-calc : " << u.message << "\n"
                  << "Essayez « ohmira-calc --help ».\n";
        return ExitUsage;
    } catch (const Erreur& e) {
        std::cerr << messageBoite(e.message()) << '\n';
        return ExitErreur;
    }
}

json repondreMontage(const json& requete, const std::string& separateur)
{
    Champs c;
    c.tension = lot::texteChamp(requete, "voltage");
    if (requete.contains("range")) {
        const json& plage = requete["range"];
        if (!plage.is_array() || plage.size() != 2 || !plage[0].is_string() || !plage[1].is_string())
            throw lot::ErreurRequete{"le champ « range » doit être une liste de deux textes"};
        c.plageMin = plage[0].get<std::string>();
        c.plageMax = plage[1].get<std::string>();
    }
    c.seuil = lot::texteChamp(requete, "threshold");
    c.courant = lot::texteChamp(requete, "current");
    c.courantMax = texteOptionnel(requete, "max_current");
    c.total = texteOptionnel(requete, "total");
    if (c.total) {
        if (requete.contains("leds_per_string") || requete.contains("strings"))
            throw lot::ErreurRequete{"« total » exclut « leds_per_string » et « strings »"};
    } else {
        c.serie = lot::texteChamp(requete, "leds_per_string");
        c.branches = lot::texteChamp(requete, "strings");
    }
    if (const auto nom = texteOptionnel(requete, "e_series")) {
        const auto s = lireSerie(*nom);
        if (!s)
            throw lot::ErreurRequete{"le champ « e_series » doit valoir E6, E12, E24, E48, E96 ou E192"};
        c.serieE = *s;
    }
    return resultatJson(calculMontage(demande(c, separateur)), separateur);
}

}  // namespace ohmira
