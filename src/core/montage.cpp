// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/montage.h"

#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/messages.h"
#include "core/nombres.h"
#include "core/requetes.h"
#include "core/unites.h"

#include <cmath>
#include <string>

namespace ohmira {

namespace {

long double lireAmperes(std::string_view milliamperes, std::string_view separateur, const char* erreur)
{
    const long double ma = lireReelChamp(milliamperes, separateur);
    if (!(ma > 0.0L))
        throw EValeurIncorrecte(erreur);
    return ma / 1000.0L;
}

int lireCompte(std::string_view texte, const char* erreur)
{
    const std::int32_t n = lireEntierChamp(texte);
    if (n < 1)
        throw EValeurIncorrecte(erreur);
    return n;
}

std::string volts(long double v, std::string_view separateur) { return ecrireFixe(stocker(v), separateur) + " V"; }

void lirePlage(const DemandeMontage& d, ResultatMontage& r)
{
    r.tensionMin = r.tensionMax = r.tension;
    if (!d.plageMin && !d.plageMax)
        return;
    if (!d.plageMin || !d.plageMax)
        throw EValeurIncorrecte(messages::PlageIncomplete);
    r.plage = true;
    r.tensionMin = lireReelChamp(*d.plageMin, d.separateur);
    r.tensionMax = lireReelChamp(*d.plageMax, d.separateur);
    if (r.tensionMin > r.tensionMax)
        throw EValeurIncorrecte(
            messages::plageInversee(volts(r.tensionMin, d.separateur), volts(r.tensionMax, d.separateur)));
    if (r.tension < r.tensionMin || r.tension > r.tensionMax)
        throw EValeurIncorrecte(messages::nominaleHorsPlage(volts(r.tension, d.separateur),
                                                            volts(r.tensionMin, d.separateur),
                                                            volts(r.tensionMax, d.separateur)));
}

// The most LEDs per string that the lowest supply still drives with the
// advised margin, at least one and at most all of them.
int ledsParBranche(long double tensionMin, double seuil, int total)
{
    const long double q = std::floor((tensionMin - MargeConseillee) / seuil);
    if (!(q >= 1.0L))
        return 1;
    if (q >= total)
        return total;
    // The quotient can be one off the test that matters.
    int k = static_cast<int>(q);
    while (k > 1 && tensionMin - k * static_cast<long double>(seuil) < MargeConseillee)
        --k;
    while (k < total && tensionMin - (k + 1) * static_cast<long double>(seuil) >= MargeConseillee)
        ++k;
    return k;
}

ValeurMontage valeur(double affichee, Unite unite, long double chute, SerieE serie)
{
    ValeurMontage v;
    v.affichee = affichee;
    v.ohms = static_cast<double>(enOhms(affichee, unite));
    // The main window's details, term for term.
    v.courantLed = chute / v.ohms;
    v.puissance = chute * chute / v.ohms;
    v.calibre = calibrePour(v.puissance);
    v.bandes = bandesSerie(v.ohms, serie);
    return v;
}

void calculerBranche(Branche& b, const ResultatMontage& r, std::string_view separateur)
{
    const long double leds = b.leds;
    const long double chute = r.tension - leds * r.seuil;
    b.exacte = stocker(chute / r.courant);
    if (!(b.exacte > 0.0)) {
        if (b.leds == 1)
            throw ETensionInsuffisante(messages::tensionInsuffisante(ecrireFixe(r.seuil, separateur) + " V"));
        throw ETensionInsuffisante(messages::tensionInsuffisante(b.leds, volts(leds * r.seuil, separateur)));
    }

    double affichee = b.exacte;
    b.unite = AdapterUnite(affichee);
    b.exacteAffichee = affichee;
    const Encadrement e = encadrer(affichee, r.serieE);
    b.dessus = valeur(e.dessus, b.unite, chute, r.serieE);
    b.dessous = valeur(e.dessous, b.unite, chute, r.serieE);

    const long double tolerance = definition(r.serieE).tolerance;
    const long double chuteMax = r.tensionMax - leds * (r.seuil - EcartSeuil);
    const long double chuteMin = r.tensionMin - leds * (r.seuil + EcartSeuil);
    const long double ohmsMin = b.dessus.ohms * (1.0L - tolerance);
    const long double ohmsMax = b.dessus.ohms * (1.0L + tolerance);
    b.pires.courantMax = chuteMax / ohmsMin;
    b.pires.puissanceMax = chuteMax * chuteMax / ohmsMin;
    if (chuteMin > 0.0L) {
        b.pires.courantMin = chuteMin / ohmsMax;
        b.pires.puissanceMin = chuteMin * chuteMin / ohmsMax;
    }

    const long double limite = r.courantMax ? *r.courantMax : 1.5L * r.courant;
    const long double marge = r.tensionMin - leds * r.seuil;
    auto& a = b.avertissements;
    a[static_cast<int>(Avertissement::CourantTropFort)] = b.pires.courantMax > limite;
    a[static_cast<int>(Avertissement::CalibreDepasse)] =
        !b.dessus.calibre || b.pires.puissanceMax > b.dessus.calibre->watts;
    a[static_cast<int>(Avertissement::MargeFaible)] = marge > 0.0L && marge < MargeConseillee;
    a[static_cast<int>(Avertissement::NeSAllumePas)] = !(chuteMin > 0.0L);
}

std::string pluriel(int n, const char* mot)
{
    return std::to_string(n) + " " + mot + (n > 1 ? "s" : "");
}

// "À 11,5 V, bas de la plage," or "À 5 V,"
std::string aLaTensionBasse(const ResultatMontage& r, std::string_view sep)
{
    return "À " + volts(r.tensionMin, sep) + (r.plage ? ", bas de la plage," : ",");
}

std::string valeurLisible(const char* quelle, const ValeurMontage& v, Unite unite, std::string_view sep)
{
    std::string l = std::string("valeur ") + quelle + ", " + ecrireFixe(v.affichee, sep) + " " +
                    std::string(nomUnite(unite)) + " : courant par LED " + avecUnite(v.courantLed, "A", sep) +
                    ", puissance " + avecUnite(v.puissance, "W", sep);
    if (v.calibre)
        l.append(" (prendre ").append(v.calibre->texte).append(")");
    else
        l += " (aucune résistance ordinaire : plus de 10 W)";
    if (v.bandes) {
        l += ", code couleur : ";
        for (const std::string_view* b = v.bandes->begin(); b != v.bandes->end(); ++b)
            l.append(b == v.bandes->begin() ? "" : ", ").append(*b);
    } else {
        l += ", pas de code couleur";
    }
    return l;
}

}  // namespace

ResultatMontage calculMontage(const DemandeMontage& d)
{
    ResultatMontage r;
    r.serieE = d.serieE;
    r.tension = lireReelChamp(d.tension, d.separateur);
    lirePlage(d, r);
    r.seuil = stocker(lireReelChamp(d.seuil, d.separateur));
    if (!(r.seuil > 0.0))
        throw EValeurIncorrecte(messages::SeuilNonPositif);
    r.courant = lireAmperes(d.courant, d.separateur, messages::CourantNonPositif);
    if (d.courantMax)
        r.courantMax = lireAmperes(*d.courantMax, d.separateur, messages::CourantMaxNonPositif);

    if (d.total) {
        const int total = lireCompte(*d.total, messages::TotalNul);
        const int k = ledsParBranche(r.tensionMin, r.seuil, total);
        r.branches[0].leds = k;
        r.branches[0].nombre = total / k;
        if (total % k != 0) {
            r.branches[1].leds = total % k;
            r.branches[1].nombre = 1;
            r.sortes = 2;
        }
    } else {
        r.branches[0].leds = lireCompte(d.serie, messages::SerieNulle);
        r.branches[0].nombre = lireCompte(d.branches, messages::BranchesNulles);
    }

    for (int i = 0; i < r.sortes; ++i) {
        Branche& b = r.branches[static_cast<std::size_t>(i)];
        calculerBranche(b, r, d.separateur);
        const long double n = b.nombre;
        r.courantTotal += n * b.dessus.courantLed;
        r.puissanceLeds += n * b.leds * r.seuil * b.dessus.courantLed;
        r.puissanceResistances += n * b.dessus.puissance;
    }
    r.puissanceAlimentation = r.tension * r.courantTotal;
    r.rendement = r.puissanceLeds / r.puissanceAlimentation;
    return r;
}

std::string ligne1(const Branche& b, std::string_view separateur)
{
    return ligneExacte(b.exacteAffichee, b.unite, separateur);
}

std::string ligne2(const Branche& b, std::string_view separateur)
{
    return ligneNormalisee(b.dessus.affichee, b.unite, separateur);
}

std::string phrase(const ResultatMontage& r, int sorte, Avertissement a, std::string_view sep)
{
    const Branche& b = r.branches[static_cast<std::size_t>(sorte)];
    switch (a) {
    case Avertissement::CourantTropFort:
        return "Au pire, le courant dans les LED atteint " + avecUnite(b.pires.courantMax, "A", sep) +
               (r.courantMax ? ", au-delà de leur maximum de " + avecUnite(*r.courantMax, "A", sep) + "."
                             : ", plus d'une fois et demie les " + avecUnite(r.courant, "A", sep) + " choisis.");
    case Avertissement::CalibreDepasse: {
        const std::string debut = "Au pire, la résistance dissipe " + avecUnite(b.pires.puissanceMax, "W", sep);
        const auto calibre = calibrePour(b.pires.puissanceMax);
        if (!calibre)
            return debut + " : aucune résistance ordinaire ne convient, il faudrait plus de 10 W.";
        if (!b.dessus.calibre)
            return debut + " : prenez-la de " + std::string(calibre->texte) + ".";
        return debut + ", plus que son calibre de " + std::string(b.dessus.calibre->texte) +
               " : prenez-la de " + std::string(calibre->texte) + ".";
    }
    case Avertissement::MargeFaible:
        return aLaTensionBasse(r, sep) + " il ne reste que " +
               volts(r.tensionMin - b.leds * static_cast<long double>(r.seuil), sep) +
               " pour la résistance, moins de 1 V : le courant dépend trop de la tension de seuil réelle "
               "des LED.";
    case Avertissement::NeSAllumePas: {
        const std::string besoin = volts(b.leds * (r.seuil + EcartSeuil), sep);
        if (b.leds == 1)
            return aLaTensionBasse(r, sep) + " la LED peut ne plus s'allumer : il lui faut plus de " + besoin +
                   " si son seuil dépasse de 0" + std::string(sep) + "1 V la valeur typique.";
        return aLaTensionBasse(r, sep) + " une branche de " + std::to_string(b.leds) +
               " LED peut ne plus s'allumer : il lui faut plus de " + besoin +
               " si le seuil de ses LED dépasse de 0" + std::string(sep) + "1 V la valeur typique.";
    }
    }
    return {};
}

std::vector<std::string> avertissements(const ResultatMontage& r, std::string_view sep)
{
    std::vector<std::string> phrases;
    for (int i = 0; i < r.sortes; ++i) {
        const Branche& b = r.branches[static_cast<std::size_t>(i)];
        const std::string sorte = r.sortes == 1 ? std::string()
                                                : (b.nombre > 1 ? "Branches de " : "Branche de ") +
                                                      std::to_string(b.leds) + " LED : ";
        for (int a = 0; a < NombreAvertissements; ++a)
            if (b.avertissements[static_cast<std::size_t>(a)])
                phrases.push_back(sorte + phrase(r, i, static_cast<Avertissement>(a), sep));
    }
    return phrases;
}

std::vector<std::string> lignesMontage(const ResultatMontage& r, std::string_view sep)
{
    std::vector<std::string> lignes;
    const std::string tolerance = lisible(definition(r.serieE).tolerance * 100, sep);
    for (int i = 0; i < r.sortes; ++i) {
        const Branche& b = r.branches[static_cast<std::size_t>(i)];
        if (i > 0)
            lignes.emplace_back();
        lignes.push_back(ligne1(b, sep));
        lignes.push_back(ligne2(b, sep));
        lignes.push_back("montage : " + pluriel(b.nombre, "branche") + " de " + std::to_string(b.leds) +
                         (b.leds > 1 ? " LED en série" : " LED") + ", une résistance par branche");
        lignes.push_back(valeurLisible("au-dessus", b.dessus, b.unite, sep));
        lignes.push_back(valeurLisible("en dessous", b.dessous, b.unite, sep));
        lignes.push_back("au pire (" + std::string(r.plage ? "plage de tension, " : "") + "tolérance " +
                         tolerance + " %, seuil à 0" + std::string(sep) + "1 V près) : courant par LED de " +
                         avecUnite(b.pires.courantMin, "A", sep) + " à " + avecUnite(b.pires.courantMax, "A", sep) +
                         ", puissance dans la résistance de " + avecUnite(b.pires.puissanceMin, "W", sep) + " à " +
                         avecUnite(b.pires.puissanceMax, "W", sep));
        for (int a = 0; a < NombreAvertissements; ++a)
            if (b.avertissements[static_cast<std::size_t>(a)])
                lignes.push_back("Attention : " + phrase(r, i, static_cast<Avertissement>(a), sep));
    }
    lignes.emplace_back();
    lignes.push_back("ensemble : courant total " + avecUnite(r.courantTotal, "A", sep) + ", puissance dans les LED " +
                     avecUnite(r.puissanceLeds, "W", sep) + ", dans les résistances " +
                     avecUnite(r.puissanceResistances, "W", sep) + ", fournie " +
                     avecUnite(r.puissanceAlimentation, "W", sep) + ", rendement " +
                     lisible(r.rendement * 100, sep) + " %");
    return lignes;
}

}  // namespace ohmira
