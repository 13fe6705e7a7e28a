#include "core/requetes.h"

#include "core/couleurs.h"
#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/nombres.h"
#include "core/unites.h"

namespace ohmira {

namespace {

std::string cite(std::string_view texte) { return "'" + std::string(texte) + "'"; }

int lireNombre(std::string_view texte)
{
    const std::int32_t n = lireEntierChamp(texte);
    if (n < 0)
        throw ENombreNegatif("Le nombre de LED en parallèle ne peut pas être négatif : " +
                             std::string(texte));
    return n;
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
    return {ligneExacte(resistance, unite, separateur), ligneNormalisee(normalisee, unite, separateur),
            detailler(tension, seuil, nombre, static_cast<double>(enOhms(normalisee, unite)))};
}

std::string ligne(std::string_view debut, double valeur, std::string_view unite, std::string_view separateur)
{
    std::string texte(debut);
    return texte.append(ecrireFixe(valeur, separateur)).append(" ").append(unite);
}

}  // namespace

long double lireReelChamp(std::string_view texte, std::string_view separateur)
{
    const auto v = lireReel(texte, separateur);
    if (!v)
        throw EConvertError(cite(texte) + " n'est pas une valeur en virgule flottante correcte");
    return *v;
}

std::int32_t lireEntierChamp(std::string_view texte)
{
    const auto n = lireEntier(texte);
    if (!n)
        throw EConvertError(cite(texte) + " n'est pas une valeur entière correcte");
    return *n;
}

// The first line's "resistance" has no accent, the second's "normalisé"
// has one: the program's wording, kept as users have always read it, and no
// typo to mend.
std::string ligneExacte(double valeur, std::string_view unite, std::string_view separateur)
{
    return ligne("Il vous faut une resistance de : ", valeur, unite, separateur);
}

std::string ligneNormalisee(double valeur, std::string_view unite, std::string_view separateur)
{
    return ligne("Soit en normalisé : ", valeur, unite, separateur);
}

Resultat calculSerie(int couleur, std::string_view tension, std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double v = lireReelChamp(tension, separateur);
    const double r = stocker((v - seuil) / CourantLed);
    verifierPositive(r, seuil, separateur);
    return resultat(r, v, seuil, 1, separateur);
}

Resultat calculParallele(int couleur, std::string_view tension, std::string_view nombre,
                         std::string_view separateur)
{
    const double seuil = static_cast<double>(TensionSeuil(couleur));
    const long double v = lireReelChamp(tension, separateur);
    const long double difference = v - seuil;
    const int n = lireNombre(nombre);
    const long double diviseur = n * CourantLed;
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
