// The real ohmira-calc binary, run through the shell as a user would.

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sortie {
    std::string out;
    std::string err;
    int code;
};

std::string lire(const std::string& chemin)
{
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// Runs `ohmira-calc ARGS` with LC_ALL=C unless `environnement` says otherwise,
// feeding `entree` on standard input.
Sortie lancer(const std::string& args, const std::string& entree = "",
              const std::string& environnement = "LC_ALL=C")
{
    const std::string base = "/tmp/ohmira-cli-" + std::to_string(getpid());
    {
        std::ofstream in(base + ".in");
        in << entree;
    }
    const std::string commande = "env " + environnement + " '" OHMIRA_CALC "' " + args + " <" + base +
                                 ".in >" + base + ".out 2>" + base + ".err";
    const int statut = std::system(commande.c_str());
    Sortie s{lire(base + ".out"), lire(base + ".err"), WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
    for (const char* ext : {".in", ".out", ".err"})
        std::remove((base + ext).c_str());
    return s;
}

}  // namespace

TEST(OhmiraCalc, SeriesAndParallelLines)
{
    const Sortie serie = lancer("--separateur , serie rouge 5");
    EXPECT_EQ(serie.code, 0);
    EXPECT_EQ(serie.out, "Il vous faut une resistance de : 170,00 Ohms\nSoit en normalisé : 180,00 Ohms\n");
    EXPECT_EQ(serie.err, "");

    // The locale's separator by default ("." for C), colour by number.
    const Sortie parallele = lancer("parallele 4 12 3");
    EXPECT_EQ(parallele.code, 0);
    EXPECT_EQ(parallele.out, "Il vous faut une resistance de : 163.33 Ohms\nSoit en normalisé : 180.00 Ohms\n");
}

TEST(OhmiraCalc, ErrorsGoToStandardErrorWithStatusOne)
{
    struct Cas {
        const char* args;
        const char* err;
    };
    const Cas cas[] = {
        {"parallele BLANC 5 0", "Division par zéro en virgule flottante.\n"},
        {"--separateur , serie rouge 12.5", "'12.5' n'est pas une valeur en virgule flottante correcte.\n"},
        {"serie rouge -5", "La tension du générateur doit dépasser la tension de seuil de la LED : 1.60 V.\n"},
        {"parallele rouge 5 -- -2", "Le nombre de LED en parallèle ne peut pas être négatif : -2.\n"},
    };
    for (const Cas& c : cas) {
        const Sortie s = lancer(c.args);
        EXPECT_EQ(s.code, 1) << c.args;
        EXPECT_EQ(s.out, "") << c.args;
        EXPECT_EQ(s.err, c.err) << c.args;
    }
}

TEST(OhmiraCalc, UsageErrorsAndHelp)
{
    for (const char* args : {"", "serie rose 5", "serie rouge", "triangle 1 2", "--separateur 5 serie 0 5",
                             "--separateur"}) {
        const Sortie s = lancer(args);
        EXPECT_EQ(s.code, 2) << args;
        EXPECT_NE(s.err.find("ohmira-calc --help"), std::string::npos) << args;
    }
    const Sortie aide = lancer("--help");
    EXPECT_EQ(aide.code, 0);
    EXPECT_NE(aide.out.find("Usage : ohmira-calc"), std::string::npos);

    const Sortie version = lancer("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "ohmira-calc " OHMIRA_VERSION "\n");
}

TEST(OhmiraCalc, BatchAnswersEveryLineInOrder)
{
    const std::string entree =
        R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": ","})j" "\n"
        R"j({"circuit": "parallel", "colour": 0, "voltage": "5", "count": "1000"})j" "\n"
        R"j({"circuit": "parallel", "colour": 2, "voltage": "2", "count": "0"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "En Volt"})j" "\n"
        "pas du json\n"
        R"j({"circuit": "series", "colour": 9, "voltage": "5"})j" "\n"
        R"j({"circuit": "parallel", "colour": 0, "voltage": "5"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": "ab"})j" "\n"
        R"j({"circuit": "series", "colour": 8, "voltage": "3.5"})j" "\n";
    const Sortie s = lancer("--batch", entree);
    EXPECT_EQ(s.code, 0);

    using nlohmann::json;
    const auto lignes = [](const char* l1, const char* l2) { return json{{"line1", l1}, {"line2", l2}}; };
    const auto erreur = [](const char* classe, const char* message) {
        return json{{"error", classe}, {"message", message}};
    };
    const json attendu[] = {
        lignes("Il vous faut une resistance de : 170,00 Ohms", "Soit en normalisé : 180,00 Ohms"),
        lignes("Il vous faut une resistance de : 0.17 Ohms", "Soit en normalisé : 0.18 Ohms"),
        erreur("EInvalidOp", "Opération en virgule flottante incorrecte."),
        erreur("EConvertError", "'En Volt' n'est pas une valeur en virgule flottante correcte."),
        erreur("BadRequest", "Requête incorrecte : JSON illisible"),
        erreur("BadRequest", "Requête incorrecte : le champ « colour » doit être un entier de 0 à 8"),
        erreur("BadRequest", "Requête incorrecte : le champ « count » doit être un texte"),
        erreur("BadRequest", "Requête incorrecte : le champ « separator » doit être un seul caractère "
                             "(ni chiffre, ni blanc, ni signe, ni « e »)"),
        erreur("ETensionInsuffisante",
               "La tension du générateur doit dépasser la tension de seuil de la LED : 3.50 V."),
    };
    std::istringstream sortie(s.out);
    std::string ligne;
    std::vector<json> recu;
    while (std::getline(sortie, ligne))
        recu.push_back(json::parse(ligne));
    ASSERT_EQ(recu.size(), std::size(attendu));
    for (std::size_t i = 0; i < recu.size(); ++i) {
        json sansDetails = recu[i];
        sansDetails.erase("details");
        EXPECT_EQ(sansDetails, attendu[i]) << i;
        EXPECT_EQ(recu[i].contains("details"), recu[i].contains("line1")) << i;
    }
    // Numbers in amperes and watts, the rating (none above 10 W), the bands.
    const json& d = recu[0]["details"];
    EXPECT_NEAR(d["current_per_led"].get<double>(), 3.4 / 180, 1e-12);
    EXPECT_NEAR(d["power"].get<double>(), 3.4 * 3.4 / 180, 1e-12);
    EXPECT_EQ(d["rating"], 0.25);
    EXPECT_EQ(d["bands"], json({"marron", "gris", "marron", "or"}));
    EXPECT_NEAR(recu[1]["details"]["current_total"].get<double>(), 3.4 / 0.18, 1e-9);
    EXPECT_TRUE(recu[1]["details"]["rating"].is_null());
}

TEST(OhmiraCalc, DetailsFollowTheTwoLines)
{
    const Sortie s = lancer("--separateur , --details parallele rouge 12 10");
    EXPECT_EQ(s.code, 0);
    EXPECT_EQ(s.out,
              "Il vous faut une resistance de : 52,00 Ohms\n"
              "Soit en normalisé : 56,00 Ohms\n"
              "courant par LED : 18,6 mA, courant total : 186 mA\n"
              "puissance dans la résistance : 1,93 W (prendre 5 W)\n"
              "code couleur : vert, bleu, noir, or\n"
              "Attention : une résistance commune répartit mal le courant entre des LED en parallèle ; "
              "une résistance par LED est plus sûre.\n");
}
