// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/nombres.h"

#include "core/etendu.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace ohmira {

namespace {

bool estChiffre(char c) { return c >= '0' && c <= '9'; }

// Length of the UTF-8 sequence starting `texte`, or 0 when it is not one
// well-formed character.
std::size_t longueurCaractere(std::string_view texte)
{
    if (texte.empty())
        return 0;
    const auto c = static_cast<unsigned char>(texte[0]);
    const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || texte.size() < n)
        return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(texte[i]) & 0xC0) != 0x80)
            return 0;
    return n;
}

bool unSeulCaractere(std::string_view texte)
{
    const std::size_t n = longueurCaractere(texte);
    return n != 0 && n == texte.size();
}

// The code point of `texte` when it is exactly one character in its shortest
// UTF-8 form (an overlong form could hide a blank or a digit).
std::optional<char32_t> pointDeCode(std::string_view texte)
{
    if (!unSeulCaractere(texte))
        return std::nullopt;
    static constexpr unsigned char Masque[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    static constexpr char32_t Minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    const std::size_t n = texte.size();
    char32_t c = static_cast<unsigned char>(texte[0]) & Masque[n];
    for (std::size_t i = 1; i < n; ++i)
        c = (c << 6) | (static_cast<unsigned char>(texte[i]) & 0x3Fu);
    if (c < Minimum[n] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return std::nullopt;
    return c;
}

// Controls, blanks (the no-break ones too) and characters that print nothing:
// a number written with one of them would look like two numbers or one.
bool blancOuInvisible(char32_t c)
{
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xAD || c == 0x1680 || c == 0x180E ||
           (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) || (c >= 0x205F && c <= 0x206F) ||
           c == 0x3000 || c == 0xFEFF;
}

int valeurHexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Both readers start alike: spaces (not tabs), then an optional sign.
// Moves `i` past them and tells whether the sign was "-".
bool blancsEtSigne(std::string_view texte, std::size_t& i)
{
    while (i < texte.size() && texte[i] == ' ')
        ++i;
    if (i < texte.size() && (texte[i] == '+' || texte[i] == '-'))
        return texte[i++] == '-';
    return false;
}

struct Decimal {
    std::array<char, 18> chiffres;  // the first one non-zero
    int exposant;                   // of the first digit
};

// The 18 significant digits of a normal, non-zero magnitude.
Decimal dixHuitChiffres(long double m)
{
    constexpr long double Min = 1e17L, Max = 1e18L;
    int e = static_cast<int>(std::floor(std::log10(m)));
    long double p = decaler(m, 17 - e);
    // log10 can be one off next to a power of ten.
    if (p < Min)
        p = decaler(m, 17 - --e);
    else if (p >= Max)
        p = decaler(m, 17 - ++e);
    auto d = static_cast<unsigned long long>(std::llrint(p));  // ties to even
    if (d >= 1000000000000000000ULL) {
        d /= 10;
        ++e;
    }
    Decimal r{{}, e};
    std::to_chars(r.chiffres.data(), r.chiffres.data() + r.chiffres.size(), d);
    return r;
}

}  // namespace

std::string separateurOuPoint(std::string_view pointDecimal)
{
    return unSeulCaractere(pointDecimal) ? std::string(pointDecimal) : std::string(".");
}

bool separateurUtilisable(std::string_view texte)
{
    const auto c = pointDeCode(texte);
    return c && !blancOuInvisible(*c) &&
           !((*c >= '0' && *c <= '9') || *c == '+' || *c == '-' || *c == 'e' || *c == 'E');
}

std::optional<long double> lireReel(std::string_view texte, std::string_view separateur)
{
    std::size_t i = 0;
    const std::size_t n = texte.size();
    const bool negatif = blancsEtSigne(texte, i);

    long double mantisse = 0.0L;
    long exposant = 0;
    bool present = false;
    for (; i < n && estChiffre(texte[i]); ++i, present = true)
        mantisse = mantisse * 10.0L + (texte[i] - '0');
    if (!separateur.empty() && texte.substr(i, separateur.size()) == separateur) {
        i += separateur.size();
        present = true;
        for (; i < n && estChiffre(texte[i]); ++i, --exposant)
            mantisse = mantisse * 10.0L + (texte[i] - '0');
    }
    if (!present)
        return std::nullopt;

    if (i < n && (texte[i] == 'e' || texte[i] == 'E')) {
        ++i;
        bool exposantNegatif = false;
        if (i < n && (texte[i] == '+' || texte[i] == '-'))
            exposantNegatif = texte[i++] == '-';
        long valeur = 0;
        for (; i < n && estChiffre(texte[i]); ++i)
            valeur = std::min(valeur * 10 + (texte[i] - '0'), 1000000L);  // far past any range
        exposant += exposantNegatif ? -valeur : valeur;
    }
    while (i < n && texte[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    // Digits can overflow on their own before a negative exponent brings them back.
    if (std::isinf(mantisse))
        return std::nullopt;
    exposant = std::clamp(exposant, -100000L, 100000L);
    const long double valeur = decaler(mantisse, static_cast<int>(exposant));
    if (std::isinf(valeur))
        return std::nullopt;
    return negatif ? -valeur : valeur;
}

std::optional<std::int32_t> lireEntier(std::string_view texte)
{
    std::size_t i = 0;
    const std::size_t n = texte.size();
    const bool negatif = blancsEtSigne(texte, i);

    std::size_t prefixe = 0;
    if (i < n && (texte[i] == '$' || texte[i] == 'x' || texte[i] == 'X'))
        prefixe = 1;
    else if (i + 1 < n && texte[i] == '0' && (texte[i + 1] == 'x' || texte[i + 1] == 'X'))
        prefixe = 2;

    if (prefixe != 0) {
        i += prefixe;
        const std::size_t chiffres = n - i;
        if (chiffres == 0 || chiffres > 8)
            return std::nullopt;
        std::uint32_t motif = 0;
        for (; i < n; ++i) {
            const int h = valeurHexa(texte[i]);
            if (h < 0)
                return std::nullopt;
            motif = motif << 4 | static_cast<std::uint32_t>(h);
        }
        if (negatif)
            motif = 0u - motif;
        return static_cast<std::int32_t>(motif);
    }

    if (i == n)
        return std::nullopt;
    std::int64_t valeur = 0;
    for (; i < n; ++i) {
        if (!estChiffre(texte[i]))
            return std::nullopt;
        valeur = valeur * 10 + (texte[i] - '0');
        if (valeur > 2147483648LL)
            return std::nullopt;
    }
    if (negatif)
        valeur = -valeur;
    if (valeur > 2147483647LL)
        return std::nullopt;
    return static_cast<std::int32_t>(valeur);
}

std::string ecrireFixe(double valeur, std::string_view separateur)
{
    if (std::isnan(valeur))
        return "NAN";
    if (std::isinf(valeur))
        return valeur < 0 ? "-INF" : "INF";
    const bool negatif = std::signbit(valeur);
    if (!std::isnormal(valeur))  // zero and denormals have no digits
        return std::string("0").append(separateur).append("00");

    const Decimal d = dixHuitChiffres(std::fabs(static_cast<long double>(valeur)));
    std::string sortie;

    if (d.exposant >= 18) {
        std::size_t n = d.chiffres.size();
        while (d.chiffres[n - 1] == '0')
            --n;
        if (negatif)
            sortie += '-';
        sortie += d.chiffres[0];
        if (n > 1)
            sortie.append(separateur).append(d.chiffres.data() + 1, n - 1);
        char e[8];
        const auto fin = std::to_chars(e, e + sizeof e, d.exposant).ptr;
        return sortie.append("E").append(e, fin);
    }

    // The value in hundredths as a digit string (at most 21 digits), rounded
    // half away from zero on the digit string itself, with room in front for
    // a carry and for the zeros of "0,0x".
    const int garder = d.exposant + 3;
    std::array<char, 24> tampon{};
    char* debut = tampon.data() + 3;
    std::size_t n;
    if (garder <= 0) {
        *debut = garder == 0 && d.chiffres[0] >= '5' ? '1' : '0';
        n = 1;
    } else {
        n = static_cast<std::size_t>(garder);
        for (std::size_t i = 0; i < n; ++i)
            debut[i] = i < d.chiffres.size() ? d.chiffres[i] : '0';
        if (n < d.chiffres.size() && d.chiffres[n] >= '5') {
            std::size_t i = n;
            while (i > 0 && debut[i - 1] == '9')
                debut[--i] = '0';
            if (i > 0) {
                ++debut[i - 1];
            } else {
                *--debut = '1';
                ++n;
            }
        }
    }
    while (n < 3) {
        *--debut = '0';
        ++n;
    }
    const bool zero = std::all_of(debut, debut + n, [](char c) { return c == '0'; });
    sortie.reserve(n + separateur.size() + 1);
    if (negatif && !zero)
        sortie += '-';
    sortie.append(debut, n - 2).append(separateur).append(debut + n - 2, 2);
    return sortie;
}

}  // namespace ohmira
