// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the two readers and the writer against properties that hold for
// every input:
// - a text the voltage reader accepts matches its grammar, and a text that
//   matches is accepted unless its magnitude leaves the extended range; the
//   value read is the decimal value within rounding;
// - the same for the count reader, whose value must equal a reference;
// - what the writer prints has the fixed or exponent shape, never "-0,00",
//   and reads back within half a unit of the last digit shown.
// Input: byte 0 picks the function, byte 1 the separator, the rest is the
// text (or the 8 bytes of a double for the writer).

#include "core/nombres.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <regex>
#include <string>

using namespace ohmira;

namespace {

void verifier(bool condition, const char* quoi)
{
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", quoi);
        std::abort();
    }
}

std::string echapper(const std::string& sep)
{
    std::string s;
    for (const char c : sep)
        s += std::string("\\") + c;
    return s;
}

// The same text written with "." so that strtold can read it.
std::string avecPoint(std::string texte, const std::string& sep)
{
    const auto p = texte.find(sep);
    if (p != std::string::npos)
        texte.replace(p, sep.size(), ".");
    return texte;
}

void reel(const std::string& texte, const std::string& sep)
{
    static std::map<std::string, std::regex> grammaires;
    auto g = grammaires.find(sep);
    if (g == grammaires.end())
        g = grammaires.emplace(sep, std::regex(" *[+-]?(([0-9]+(" + echapper(sep) + "[0-9]*)?)|(" +
                                                echapper(sep) + "[0-9]*))([eE][+-]?[0-9]*)? *"))
                .first;
    const bool correct = std::regex_match(texte, g->second);
    const auto lu = lireReel(texte, sep);
    if (!correct) {
        verifier(!lu, "reader accepted a text outside the grammar");
        return;
    }
    std::string pour = avecPoint(texte, sep);
    // strtold wants digits after an exponent marker.
    if (!pour.empty()) {
        const auto fin = pour.find_last_not_of(' ');
        if (fin != std::string::npos && (pour[fin] == 'e' || pour[fin] == 'E' || pour[fin] == '+' || pour[fin] == '-'))
            pour.insert(fin + 1, "0");
    }
    const long double reference = std::strtold(pour.c_str(), nullptr);
    if (!lu) {
        verifier(std::isinf(reference) || std::fabs(reference) > 1e4900L, "reader rejected a number in range");
        return;
    }
    if (std::isnormal(reference) && std::fabs(reference) < 1e4900L && std::fabs(reference) > 1e-4900L)
        verifier(std::fabs(*lu - reference) <= std::fabs(reference) * 1e-15L, "value read is not the decimal value");
}

void entier(const std::string& texte)
{
    static const std::regex grammaire(" *([+-]?)([0-9]+|(\\$|x|X|0x|0X)([0-9a-fA-F]{1,8}))");
    std::smatch m;
    const auto lu = lireEntier(texte);
    if (!std::regex_match(texte, m, grammaire)) {
        verifier(!lu, "count reader accepted a text outside the grammar");
        return;
    }
    const bool negatif = m[1] == "-";
    if (m[4].matched) {
        std::uint32_t motif = static_cast<std::uint32_t>(std::strtoul(m[4].str().c_str(), nullptr, 16));
        if (negatif)
            motif = 0u - motif;
        verifier(lu && *lu == static_cast<std::int32_t>(motif), "hexadecimal count misread");
        return;
    }
    const std::string chiffres = m[2].str();
    const auto debut = chiffres.find_first_not_of('0');
    const bool dansLaPlage = debut == std::string::npos || chiffres.size() - debut <= 10;
    long long valeur = dansLaPlage ? std::strtoll(chiffres.c_str(), nullptr, 10) : 0;
    if (negatif)
        valeur = -valeur;
    if (dansLaPlage && valeur >= INT32_MIN && valeur <= INT32_MAX)
        verifier(lu && *lu == valeur, "decimal count misread");
    else
        verifier(!lu, "count out of range accepted");
}

void ecrire(double valeur, const std::string& sep)
{
    const std::string texte = ecrireFixe(valeur, sep);
    if (!std::isfinite(valeur))
        return;
    static std::map<std::string, std::pair<std::regex, std::regex>> formes;
    auto f = formes.find(sep);
    if (f == formes.end())
        f = formes.emplace(sep, std::pair{std::regex("-?[0-9]+" + echapper(sep) + "[0-9]{2}"),
                                          std::regex("-?[1-9](" + echapper(sep) + "[0-9]*[1-9])?E-?[0-9]{2,}")})
                .first;
    const bool formeFixe = std::regex_match(texte, f->second.first);
    verifier(formeFixe || std::regex_match(texte, f->second.second), "writer produced an unexpected shape");
    verifier(texte != "-0" + sep + "00", "writer produced -0,00");
    verifier(formeFixe == (std::fabs(valeur) < 1e18), "exponent form below 1e18 or fixed form above");

    const auto relu = lireReel(texte, sep);
    verifier(relu.has_value(), "writer output does not read back");
    if (!std::isnormal(valeur)) {
        verifier(*relu == 0.0L, "zero or denormal not written as zero");
        return;
    }
    const long double m = std::fabs(static_cast<long double>(valeur));
    const long double dernierChiffre = std::pow(10.0L, std::floor(std::log10(m)) - 17);
    const long double demi = (formeFixe ? std::max(0.005L, dernierChiffre / 2) : dernierChiffre / 2);
    verifier(std::fabs(*relu - valeur) <= demi * (1 + 1e-9L) + m * 1e-17L, "writer output reads back too far");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 2 || taille > 80)
        return 0;
    static const std::string separateurs[] = {",", ".", "\xC2\xB7"};
    const std::string& sep = separateurs[donnees[1] % 3];
    const std::string texte(reinterpret_cast<const char*>(donnees + 2), taille - 2);
    switch (donnees[0] % 3) {
    case 0:
        reel(texte, sep);
        break;
    case 1:
        entier(texte);
        break;
    default:
        if (texte.size() >= sizeof(double)) {
            double valeur;
            std::memcpy(&valeur, texte.data(), sizeof valeur);
            ecrire(valeur, sep);
        }
    }
    return 0;
}
