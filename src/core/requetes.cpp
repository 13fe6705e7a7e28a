#include "core/requetes.h"

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/nombres.h"
#include "core/unites.h"

namespace ohmira {

namespace {

std::string cite(std::string_view texte) { return "'" + std::string(texte) + "'"; }

long double lireTension(std::string_view texte, std::string_view separateur)
{
    const auto v = lireReel(texte, separateur);
    if (!v)
        throw EConvertError(cite(texte) + " n'est pas une valeur en virgule flottante correcte");
    return *v;
}

int lireNombre(std::string_view texte)
{
    const auto n = lireEntier(texte);
    if (!n)
        throw EConvertError(cite(texte) + " n'est pas une valeur entière correcte");
    if (*n < 0)
        throw ENombreNegatif("Le nombre de LED en parallèle ne peut pas être négatif : " +
                             std::string(texte));
    return *n;
}

// A resistance of zero or less means the supply does not exceed the LED's
// forward voltage: no resistor can help, so say so rather than print one.
void verifierPositive(double resistance, double seuil, std::string_view separateur)
{
    if (!(resistance > 0.0))
        throw ETensionInsuffisante(
            "La tension du générateur doit dépasser la tension de seuil de la LED : " +
            ecrireFixe(seuil, separateur) + " V");
}

Resultat resultat(double resistance, long double tension, double seuil, int nombre,
                  std::string_view separateur)
{
    std::string unite;
    AdapterUnite(resistance, unite);
    const double normalisee = ValeurNormalisee(resistance);
    const long double ohms = unite == "kOhms"   ? normalisee * 1000.0L
                             : unite == "mOhms" ? normalisee / 1000.0L
                                                : normalisee;
    // The first line's "resistance" has no accent, the second's "normalisé"
    // has one: the program's wording, kept as users have always read it,
    // and no typo to mend.
    const auto ligne = [&](std::string_view debut, double valeur) {
        std::string texte(debut);
        return texte.append(ecrireFixe(valeur, separateur)).append(" ").append(unite);
    };
    return {ligne("Il vous faut une resistance de : ", resistance), ligne("Soit en normalisé : ", normalisee),
            detailler(tension, seuil, nombre, static_cast<double>(ohms))};
}

}  // namespace

Resultat calculSerie(int couleur, std::string_view tension, std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double v = lireTension(tension, separateur);
    const double r = stocker((v - seuil) / CourantLed);
    verifierPositive(r, seuil, separateur);
    return resultat(r, v, seuil, 1, separateur);
}

Resultat calculParallele(int couleur, std::string_view tension, std::string_view nombre,
                         std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double v = lireTension(tension, separateur);
    const long double difference = v - seuil;
    const int n = lireNombre(nombre);
    const long double diviseur = n * CourantLed;
    // No LED at all: the floating-point division by zero, worded as the
    // processor classes it. 0 / 0 is an invalid operation (no value at
    // all), x / 0 a division by zero (an infinity): two errors, two
    // messages.
    if (diviseur == 0.0L) {
        if (difference == 0.0L)
            throw EInvalidOp("Opération en virgule flottante incorrecte");
        throw EZeroDivide("Division par zéro en virgule flottante");
    }
    const double r = stocker(difference / diviseur);
    verifierPositive(r, seuil, separateur);
    return resultat(r, v, seuil, n, separateur);
}

}  // namespace ohmira
