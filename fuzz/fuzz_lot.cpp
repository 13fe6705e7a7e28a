// Fuzzes the batch line handler: whatever a line holds, its answer is one
// line of JSON, either {"error", "message"} with two texts, or {"line1",
// "line2", "details"} with the two result lines and an object.
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
    verifier(j.size() == 3 && texte(j, "line1") && texte(j, "line2") && j.contains("details") &&
                 j["details"].is_object(),
             "result without its two lines and details");
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
