// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ohmira-calc: the calculators of the window, from the command line or as a
// JSON Lines filter (--batch).

#include "core/couleurs.h"
#include "core/details.h"
#include "core/erreurs.h"
#include "core/nombres.h"
#include "core/requetes.h"
#include "flux.h"
#include "lot.h"
#include "montage_cli.h"

#include <clocale>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace ohmira;

constexpr int ExitErreur = 1;
constexpr int ExitUsage = 2;

const char* const Aide =
    "Usage : ohmira-calc [--separateur C] serie COULEUR TENSION\n"
    "        ohmira-calc [--separateur C] parallele COULEUR TENSION NOMBRE\n"
    "        ohmira-calc [--separateur C] --batch\n"
    "        (--details après serie ou parallele pour en savoir plus)\n"
    "\n"
    "Calcule la résistance à placer en série avec une LED (serie) ou avec\n"
    "NOMBRE LED identiques montées en parallèle (parallele), pour un courant\n"
    "de 20 mA par LED, et la valeur normalisée E24 à acheter.\n"
    "\n"
    "  COULEUR            Rouge, InfraRouge, Orange, Jaune, Vert, Bleu, Violet,\n"
    "                     UltraViolet ou Blanc (majuscules indifférentes),\n"
    "                     ou son numéro de 0 à 8 dans cette liste\n"
    "  TENSION            tension du générateur en volts (ex. 12,5)\n"
    "  NOMBRE             nombre de LED en parallèle\n"
    "  --separateur C     séparateur décimal (par défaut celui de la langue\n"
    "                     de l'utilisateur, « . » s'il ne peut être lu)\n"
    "  --details          ajoute le courant dans les LED, la puissance dans la\n"
    "                     résistance (et celle à acheter) et son code couleur\n"
    "  --batch            lit une requête JSON par ligne sur l'entrée standard\n"
    "                     et écrit une réponse JSON par ligne (avec \"details\"),\n"
    "                     dans l'ordre ; lignes de 1 Mio au plus\n"
    "  --help             affiche cette aide\n"
    "  --version          affiche la version\n"
    "\n"
    "Exemple : ohmira-calc --separateur , serie rouge 5\n"
    "  Il vous faut une resistance de : 170,00 Ohms\n"
    "  Soit en normalisé : 180,00 Ohms\n"
    "\n"
    "En cas d'erreur, le message est écrit sur la sortie d'erreur et le code\n"
    "de retour vaut 1 (2 pour une ligne de commande incorrecte).\n";

std::string separateurDeLaLangue()
{
    const char* ancien = std::setlocale(LC_NUMERIC, nullptr);
    const std::string sauve = ancien ? ancien : "C";
    std::string point;
    if (std::setlocale(LC_NUMERIC, "") != nullptr)
        point = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, sauve.c_str());
    return separateurOuPoint(point);
}

int usage(const std::string& probleme)
{
    std::cerr << "ohmira-calc : " << probleme << "\n"
              << "Essayez « ohmira-calc --help ».\n";
    return ExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    // The system's reasons for a failed read or write, in the user's language.
    std::setlocale(LC_MESSAGES, "");
    std::setlocale(LC_CTYPE, "");
    std::vector<std::string> positionnels;
    std::string separateur;
    bool enLot = false;
    bool details = false;
    bool separateurDonne = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h")
            return flux::ecrire(std::string(Aide) + '\n' + AideMontage) ? 0 : ExitErreur;
        if (a == "--version")
            return flux::ecrire("ohmira-calc " OHMIRA_VERSION "\n") ? 0 : ExitErreur;
        if (a == "--batch") {
            enLot = true;
        } else if (a == "--details") {
            details = true;
        } else if (a == "--separateur") {
            if (++i == argc)
                return usage("--separateur attend un caractère");
            separateur = argv[i];
            separateurDonne = true;
            if (!separateurUtilisable(separateur))
                return usage("séparateur décimal inutilisable : « " + separateur + " »");
        } else if (a == "--") {
            for (++i; i < argc; ++i)
                positionnels.emplace_back(argv[i]);
        } else {
            positionnels.push_back(a);  // "-5" is a voltage, not an option
        }
    }
    if (!separateurDonne)
        separateur = separateurDeLaLangue();

    if (enLot) {
        if (!positionnels.empty())
            return usage("--batch ne prend pas d'autre argument");
        return lot::traiter(separateur);
    }
    if (positionnels.empty())
        return usage("indiquez serie, parallele ou montage");
    if (positionnels[0] == "montage")
        return montageEnLigne({positionnels.begin() + 1, positionnels.end()}, separateur);

    const std::string& circuit = positionnels[0];
    const std::size_t attendus = circuit == "serie" ? 3 : circuit == "parallele" ? 4 : 0;
    if (attendus == 0)
        return usage("circuit inconnu : « " + circuit + " » (serie ou parallele)");
    if (positionnels.size() != attendus)
        return usage(circuit == "serie" ? "serie attend COULEUR TENSION"
                                        : "parallele attend COULEUR TENSION NOMBRE");
    const int couleur = indexCouleur(positionnels[1]);
    if (couleur < 0)
        return usage("couleur inconnue : « " + positionnels[1] + " »");

    try {
        const Resultat r = attendus == 3
                               ? calculSerie(couleur, positionnels[2], separateur)
                               : calculParallele(couleur, positionnels[2], positionnels[3], separateur);
        std::string texte = r.ligne1 + '\n' + r.ligne2 + '\n';
        if (details)
            for (const std::string& ligne : lignesDetails(r.details, separateur))
                texte += ligne + '\n';
        return flux::ecrire(texte) ? 0 : ExitErreur;
    } catch (const Erreur& e) {
        std::cerr << messageBoite(e.message()) << '\n';
        return ExitErreur;
    }
}
