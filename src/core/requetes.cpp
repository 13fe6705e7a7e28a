// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/requetes.h"

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/messages.h"
#include "core/nombres.h"
#include "core/unites.h"

namespace ohmira {

namespace {

int lireNombre(std::string_view texte)
{
    const std::int32_t n = lireEntierChamp(texte);
    if (n < 0)
        throw ENombreNegatif(messages::nombreNegatif(texte));
    return n;
}

// A resistance of zero or less means the supply does not exceed the LED's
// forward voltage: no resistor can help, so say so rather than print one.
void verifierPositive(double resistance, double seuil, std::string_view separateur)
{
    if (!(resistance > 0.0))
        throw ETensionInsuffisante(messages::tensionInsuffisante(ecrireFixe(seuil, separateur) + " V"));
}

// `chute`: the supply less the threshold, as the resistance was computed
// from it.
Resultat resultat(double resistance, long double chute, int nombre, std::string_view separateur)
{
    const Unite unite = AdapterUnite(resistance);
    const double normalisee = ValeurNormalisee(resistance);
    return {ligneExacte(resistance, unite, separateur), ligneNormalisee(normalisee, unite, separateur),
            detailler(chute, nombre, static_cast<double>(enOhms(normalisee, unite)))};
}

std::string ligne(std::string_view debut, double valeur, Unite unite, std::string_view separateur)
{
    std::string texte(debut);
    return texte.append(ecrireFixe(valeur, separateur)).append(" ").append(nomUnite(unite));
}

}  // namespace

long double lireReelChamp(std::string_view texte, std::string_view separateur)
{
    const auto v = lireReel(texte, separateur);
    if (!v)
        throw EConvertError(messages::pasUnReel(texte));
    return *v;
}

std::int32_t lireEntierChamp(std::string_view texte)
{
    const auto n = lireEntier(texte);
    if (!n)
        throw EConvertError(messages::pasUnEntier(texte));
    return *n;
}

// The first line's "resistance" has no accent, the second's "normalisé"
// has one: the program's wording, kept as users have always read it, and no
// typo to mend.
std::string ligneExacte(double valeur, Unite unite, std::string_view separateur)
{
    return ligne("Il vous faut une resistance de : ", valeur, unite, separateur);
}

std::string ligneNormalisee(double valeur, Unite unite, std::string_view separateur)
{
    return ligne("Soit en normalisé : ", valeur, unite, separateur);
}

Resultat calculSerie(int couleur, std::string_view tension, std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double chute = lireReelChamp(tension, separateur) - seuil;
    const double r = stocker(chute / CourantLed);
    verifierPositive(r, seuil, separateur);
    return resultat(r, chute, 1, separateur);
}

Resultat calculParallele(int couleur, std::string_view tension, std::string_view nombre,
                         std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double difference = lireReelChamp(tension, separateur) - seuil;
    const int n = lireNombre(nombre);
    const long double diviseur = n * CourantLed;
    if (diviseur == 0.0L) {
        if (difference == 0.0L)
            throw EInvalidOp(messages::OperationIncorrecte);
        throw EZeroDivide(messages::DivisionParZero);
    }
    const double r = stocker(difference / diviseur);
    verifierPositive(r, seuil, separateur);
    return resultat(r, difference, n, separateur);
}

}  // namespace ohmira
