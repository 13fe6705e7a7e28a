#include "core/unites.h"

#include "core/erreurs.h"
#include "core/etendu.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ohmira {

namespace {

// Both sides of a comparison are exact in the extended format when the
// power of ten is small: entry * 10^k needs entry * 5^k < 2^64 (k <= 23), and
// x * 10^j a 53-bit significand times 5^j < 2^11 (j <= 4).
constexpr int KMax = 23;
constexpr int JMax = 4;

std::string texteDecimal(std::int32_t entree, int k)
{
    char texte[32];
    std::snprintf(texte, sizeof texte, "%de%d", entree, k);
    return texte;
}

// entree * 10^k read with the given rounding direction: the bracket of
// extended values around it. This relies on glibc's strtold rounding the
// exact decimal in the current rounding mode, as C requires of the strto*
// family; a test checks the standard value against exact decimal
// comparisons, which would catch a library that did not.
long double arrondiVers(const std::string& texte, int sens)
{
    const int avant = std::fegetround();
    std::fesetround(sens);
    const long double v = std::strtold(texte.c_str(), nullptr);
    std::fesetround(avant);
    return v;
}

// Is entree * 10^k > x, exactly?
bool auDessus(std::int32_t entree, int k, double x)
{
    const long double e = entree;
    if (k >= 0 && k <= KMax)
        return e * puissanceExacte(k) > x;
    if (k < 0 && k >= -JMax)
        return e > x * puissanceExacte(-k);
    // Elsewhere the decimal is an extended value (bas == haut), or lies
    // strictly between two neighbouring ones, bas < decimal < haut. x, a
    // double, is an extended value too, so it cannot fall between them:
    // it is below the decimal exactly when it is at or below bas.
    const std::string texte = texteDecimal(entree, k);
    const long double bas = arrondiVers(texte, FE_DOWNWARD);
    const long double haut = arrondiVers(texte, FE_UPWARD);
    return bas == haut ? bas > x : x <= bas;
}

// The double nearest entree * 10^k.
double valeurE24(std::int32_t entree, int k)
{
    const long double e = entree;
    if (k >= 0 && k <= KMax)
        return stocker(e * puissanceExacte(k));
    if (k < 0 && k >= -JMax)
        return stocker(e / puissanceExacte(-k));
    const double d = std::strtod(texteDecimal(entree, k).c_str(), nullptr);
    if (std::isinf(d))
        throw EOverflow("Débordement en virgule flottante");
    return d;
}

}  // namespace

void AdapterUnite(double& resistance, std::string& unite)
{
    const long double x = resistance;
    if (x > 1000.0L) {
        resistance = stocker(x / 1000.0L);
        unite = "kOhms";
    } else if (x < 0.0001L) {
        resistance = stocker(x * 1000.0L);
        unite = "mOhms";
    } else {
        unite = "Ohms";
    }
}

double ValeurNormalisee(double valeur)
{
    if (!(valeur > 0.0))
        return SerieE24.front();
    if (std::isinf(valeur))
        return valeur;
    // Decade k holds the values entry * 10^k; start at the one holding the
    // value, or one below when log10 lands a hair too high.
    int k = static_cast<int>(std::floor(std::log10(valeur))) - 2;
    while (auDessus(SerieE24.front(), k, valeur))
        --k;
    for (;; ++k) {
        const auto premier = std::partition_point(SerieE24.begin(), SerieE24.end(), [&](std::int32_t entree) {
            return !auDessus(entree, k, valeur);
        });
        if (premier != SerieE24.end())
            return valeurE24(*premier, k);
    }
}

}  // namespace ohmira
