// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes the batch line handler: whatever a line holds, its answer is one
// line of JSON, either {"error", "message"} with two texts, or the two
// result lines with {"details"} (one LED or LEDs in parallel) or with the
// array's {"strings"}, one object per kind of string, and its "warnings".
// Input: byte 0 picks the default separator, the rest is cut into lines at
// each newline, as the batch loop does.

#include "lot.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using nlohmann::json;

namespace {

void verifier(bool condition, const char* quoi)
{
    if (!condition) {
        std::fprintf(stderr, "property failed: %s\n", quoi);
        std::abort();
    }
}

bool texte(const json& j, const char* cle)
{
    const auto it = j.find(cle);
    return it != j.end() && it->is_string();
}

bool commencePar(const json& j, const char* cle, std::string_view debut)
{
    return j[cle].get_ref<const std::string&>().starts_with(debut);
}

void verifierReponse(const std::string& reponse)
{
    verifier(reponse.find('\n') == std::string::npos, "answer spans more than one line");
    json j;
    try {
        j = json::parse(reponse);
    } catch (const json::exception&) {
        verifier(false, "answer is not JSON");
    }
    verifier(j.is_object(), "answer is not an object");
    if (j.contains("error")) {
        verifier(j.size() == 2 && texte(j, "error") && texte(j, "message"), "error without its message");
        verifier(!j["message"].get_ref<const std::string&>().empty(), "empty error message");
        return;
    }
    verifier(texte(j, "line1") && texte(j, "line2"), "result without its two lines");
    if (j.contains("strings")) {
        verifier(j["strings"].is_array() && !j["strings"].empty() && j["warnings"].is_array(),
                 "array result without its strings and warnings");
        for (const json& branche : j["strings"])
            verifier(branche.is_object() && texte(branche, "line1") && texte(branche, "line2"),
                     "string of an array without its two lines");
    } else {
        verifier(j.size() == 3 && j.contains("details") && j["details"].is_object(),
                 "result without its details");
    }
    verifier(commencePar(j, "line1", "Il vous faut une resistance de : ") &&
                 commencePar(j, "line2", "Soit en normalisé : "),
             "result lines of the wrong shape");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    if (taille < 1)
        return 0;
    static const std::string separateurs[] = {".", ",", "\xC2\xB7"};
    const std::string& separateur = separateurs[donnees[0] % 3];
    std::string_view reste(reinterpret_cast<const char*>(donnees + 1), taille - 1);
    for (;;) {
        const auto fin = reste.find('\n');
        verifierReponse(ohmira::lot::repondre(reste.substr(0, fin), separateur));
        if (fin == std::string_view::npos)
            return 0;
        reste.remove_prefix(fin + 1);
    }
}
