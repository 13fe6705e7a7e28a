#include "core/unites.h"

#include "core/erreurs.h"
#include "core/etendu.h"
#include "core/series.h"

#include <cmath>

namespace ohmira {

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
    return encadrer(valeur, SerieE::E24).dessus;
}

long double enOhms(double valeur, std::string_view unite)
{
    return unite == "kOhms" ? valeur * 1000.0L : unite == "mOhms" ? valeur / 1000.0L : valeur;
}

}  // namespace ohmira
