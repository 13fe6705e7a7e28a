// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The real ohmira-calc binary, run through the shell as a user would.

#include "lancer_calc.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TEST(OhmiraCalc, SeriesAndParallelLines)
{
    const SortieCalc serie = lancerCalc("--separateur , serie rouge 5");
    EXPECT_EQ(serie.code, 0);
    EXPECT_EQ(serie.out, "Il vous faut une resistance de : 170,00 Ohms\nSoit en normalisé : 180,00 Ohms\n");
    EXPECT_EQ(serie.err, "");

    // The locale's separator by default ("." for C), colour by number.
    const SortieCalc parallele = lancerCalc("parallele 4 12 3");
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
        const SortieCalc s = lancerCalc(c.args);
        EXPECT_EQ(s.code, 1) << c.args;
        EXPECT_EQ(s.out, "") << c.args;
        EXPECT_EQ(s.err, c.err) << c.args;
    }
}

TEST(OhmiraCalc, UsageErrorsAndHelp)
{
    for (const char* args : {"", "serie rose 5", "serie rouge", "triangle 1 2", "--separateur 5 serie 0 5",
                             "--separateur", "--separateur '\u00A0' serie 0 5"}) {
        const SortieCalc s = lancerCalc(args);
        EXPECT_EQ(s.code, 2) << args;
        EXPECT_NE(s.err.find("ohmira-calc --help"), std::string::npos) << args;
    }
    const SortieCalc aide = lancerCalc("--help");
    EXPECT_EQ(aide.code, 0);
    EXPECT_NE(aide.out.find("Usage : ohmira-calc"), std::string::npos);

    const SortieCalc version = lancerCalc("--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, "ohmira-calc " OHMIRA_VERSION "\n");
}

TEST(OhmiraCalc, BatchAnswersEveryLineInOrder)
{
    const std::string entree =
        std::string(R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": ","})j" "\n")+
        R"j({"circuit": "parallel", "colour": 0, "voltage": "5", "count": "1000"})j" "\n"
        R"j({"circuit": "parallel", "colour": 2, "voltage": "2", "count": "0"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "En Volt"})j" "\n"
        "pas du json\n"
        R"j({"circuit": "series", "colour": 9, "voltage": "5"})j" "\n"
        R"j({"circuit": "parallel", "colour": 0, "voltage": "5"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": "ab"})j" "\n"
        R"j({"circuit": "series", "colour": 8, "voltage": "3.5"})j" "\n"
        // A NUL inside a text is part of it; a raw NUL after the object is
        // trailing text like any other.
        R"j({"circuit": "series", "colour": 0, "voltage": "5\u0000 V"})j" "\n" +
        R"j({"circuit": "series", "colour": 0, "voltage": "5"})j" + '\0' + "ignoré\n" +
        R"j({"circuit": "series", "colour": 0, "voltage": "5"} ignoré)j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": "\u00a0"})j" "\n"
        R"j({"circuit": "series", "colour": 0, "voltage": "5", "separator": "\u202f"})j" "\n";
    const SortieCalc s = lancerCalc("--batch", entree);
    EXPECT_EQ(s.code, 0);

    using nlohmann::json;
    const auto lignes = [](const char* l1, const char* l2) { return json{{"line1", l1}, {"line2", l2}}; };
    const auto erreur = [](const char* classe, const std::string& message) {
        return json{{"error", classe}, {"message", message}};
    };
    const std::string separateurIncorrect = "Requête incorrecte : le champ « separator » doit être un seul "
                                            "caractère (ni chiffre, ni blanc, ni signe, ni « e »)";
    const json attendu[] = {
        lignes("Il vous faut une resistance de : 170,00 Ohms", "Soit en normalisé : 180,00 Ohms"),
        lignes("Il vous faut une resistance de : 0.17 Ohms", "Soit en normalisé : 0.18 Ohms"),
        erreur("EInvalidOp", "Opération en virgule flottante incorrecte."),
        erreur("EConvertError", "'En Volt' n'est pas une valeur en virgule flottante correcte."),
        erreur("BadRequest", "Requête incorrecte : JSON illisible"),
        erreur("BadRequest", "Requête incorrecte : le champ « colour » doit être un entier de 0 à 8"),
        erreur("BadRequest", "Requête incorrecte : le champ « count » doit être un texte"),
        erreur("BadRequest", separateurIncorrect),
        erreur("ETensionInsuffisante",
               "La tension du générateur doit dépasser la tension de seuil de la LED : 3.50 V."),
        erreur("EConvertError",
               "'5" + std::string(1, '\0') + " V' n'est pas une valeur en virgule flottante correcte."),
        erreur("BadRequest", "Requête incorrecte : JSON illisible"),
        erreur("BadRequest", "Requête incorrecte : JSON illisible"),
        erreur("BadRequest", separateurIncorrect),
        erreur("BadRequest", separateurIncorrect),
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
    EXPECT_NE(s.out.find(R"("message":"'5\u0000 V' n'est)"), std::string::npos);
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
    const SortieCalc s = lancerCalc("--separateur , --details parallele rouge 12 10");
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

TEST(OhmiraCalc, FailedReadOrWriteEndsWithMessageAndStatusOne)
{
    const std::string requete = R"j({"circuit": "series", "colour": 0, "voltage": "5"})j" "\n";
    const std::string pleine = "ohmira-calc : écriture impossible sur la sortie standard : No space left on device\n";
    struct Cas {
        const char* args;
        std::string entree;
        const char* redirections;
        std::string err;
    };
    const Cas cas[] = {
        {"serie rouge 5", "", ">/dev/full", pleine},
        {"--details parallele rouge 12 10", "", ">/dev/full", pleine},
        {"--help", "", ">/dev/full", pleine},
        {"--batch", requete, ">/dev/full", pleine},
        {"--batch", "", "</", "ohmira-calc : lecture impossible sur l'entrée standard : Is a directory\n"},
    };
    for (const Cas& c : cas) {
        const SortieCalc s = lancerCalc(c.args, c.entree, "LC_ALL=C", c.redirections);
        EXPECT_EQ(s.code, 1) << c.args << c.redirections;
        EXPECT_EQ(s.out, "") << c.args << c.redirections;
        EXPECT_EQ(s.err, c.err) << c.args << c.redirections;
    }
}

// As under a service manager, a closed pipe is an error to notice, not a
// signal that ends the program: the batch must stop at once.
TEST(OhmiraCalc, BatchStopsWhenItsReaderIsGone)
{
    const std::string base = "/tmp/ohmira-cli-" + std::to_string(getpid());
    const std::string commande =
        "{ yes '{\"circuit\":\"series\",\"colour\":0,\"voltage\":\"5\"}' 2>/dev/null | "
        "LC_ALL=C timeout 60 '" OHMIRA_CALC "' --batch 2>" + base + ".err; echo $? >" + base + ".code; } | "
        "head -n 1 >" + base + ".out";
    const auto avant = std::signal(SIGPIPE, SIG_IGN);
    std::system(commande.c_str());
    std::signal(SIGPIPE, avant);
    EXPECT_EQ(lireFichier(base + ".code"), "1\n") << "124: still running after 60 s";
    EXPECT_EQ(lireFichier(base + ".err"), "ohmira-calc : écriture impossible sur la sortie standard : Broken pipe\n");
    const std::string premiere = lireFichier(base + ".out");
    ASSERT_FALSE(premiere.empty());
    EXPECT_EQ(nlohmann::json::parse(premiere)["line1"], "Il vous faut une resistance de : 170.00 Ohms");
    for (const char* ext : {".err", ".code", ".out"})
        std::remove((base + ext).c_str());
}

namespace {

void ecrireTout(int fd, const std::string& texte, std::size_t fois = 1)
{
    for (std::size_t i = 0; i < fois; ++i)
        for (std::size_t fait = 0; fait < texte.size();) {
            const ssize_t n = write(fd, texte.data() + fait, texte.size() - fait);
            ASSERT_GT(n, 0);
            fait += static_cast<std::size_t>(n);
        }
}

}  // namespace

// Huge and deeply nested lines go through the real program; its peak memory
// (maximum resident set, read with wait4) stays small whatever their size.
TEST(OhmiraCalc, HugeOrDeepLinesAreAnsweredInBoundedMemory)
{
    constexpr std::size_t Limite = std::size_t{1} << 20;
    const std::string base = "/tmp/ohmira-cli-" + std::to_string(getpid());
    int tube[2];
    ASSERT_EQ(pipe(tube), 0);
    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        const int sortie = open((base + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(tube[0], STDIN_FILENO);
        dup2(sortie, STDOUT_FILENO);
        close(tube[0]);
        close(tube[1]);
        setenv("LC_ALL", "C", 1);
        execl(OHMIRA_CALC, OHMIRA_CALC, "--batch", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tube[0]);

    const std::string debut = R"j({"circuit":"series","colour":0,"voltage":")j";
    const std::string fin = "5\"}\n";
    const std::string bonne = debut + fin;
    ecrireTout(tube[1], debut);  // a 256 MB voltage
    ecrireTout(tube[1], std::string(1 << 20, '5'), 256);
    ecrireTout(tube[1], fin);
    ecrireTout(tube[1], bonne);
    ecrireTout(tube[1], "[");  // 128 MB of [[],[],...]
    std::string vides;
    for (int i = 0; i < 1 << 18; ++i)
        vides += "[],";
    ecrireTout(tube[1], vides, 128 * 4 / 3);
    ecrireTout(tube[1], "[]]\n");
    ecrireTout(tube[1], std::string(64, '[') + std::string(64, ']') + "\n");
    ecrireTout(tube[1], std::string(65, '[') + std::string(65, ']') + "\n");
    // The longest line allowed, then one octet more.
    ecrireTout(tube[1], debut + std::string(Limite - bonne.size() + 1, ' ') + fin);
    ecrireTout(tube[1], debut + std::string(Limite - bonne.size() + 2, ' ') + fin);
    // Other keys and nested values are read through, not kept.
    std::string autres = R"j({"circuit":"series","colour":0,"voltage":"5","junk":[)j";
    for (int i = 0; i < 90000; ++i)
        autres += R"j({"a":[1]},)j";
    ecrireTout(tube[1], autres + "{}]}\n");
    ecrireTout(tube[1], bonne.substr(0, bonne.size() - 1));  // no final newline
    close(tube[1]);

    int statut = 0;
    rusage usage{};
    ASSERT_EQ(wait4(enfant, &statut, 0, &usage), enfant);
    ASSERT_TRUE(WIFEXITED(statut));
    EXPECT_EQ(WEXITSTATUS(statut), 0);
    const long picKo = usage.ru_maxrss;
    std::cout << "peak memory of ohmira-calc --batch: " << static_cast<double>(picKo) / 1024 << " MB\n";
    RecordProperty("peak_kB", std::to_string(picKo));
    EXPECT_LT(picKo, 64 * 1024);

    std::istringstream sortie(lireFichier(base + ".out"));
    std::remove((base + ".out").c_str());
    std::vector<std::string> recu;
    for (std::string ligne; std::getline(sortie, ligne);) {
        const auto reponse = nlohmann::json::parse(ligne);
        recu.push_back(reponse.contains("message") ? reponse["message"].get<std::string>()
                                                   : reponse["line1"].get<std::string>());
    }
    const std::string tropLongue = "Requête incorrecte : ligne de plus de 1 Mio (1048576 octets)";
    const std::string calcule = "Il vous faut une resistance de : 170.00 Ohms";
    const std::vector<std::string> attendu = {
        tropLongue,
        calcule,
        tropLongue,
        "Requête incorrecte : la requête doit être un objet JSON",
        "Requête incorrecte : plus de 64 niveaux d'imbrication",
        calcule,
        tropLongue,
        calcule,
        calcule,
    };
    ASSERT_EQ(recu.size(), attendu.size());
    for (std::size_t i = 0; i < recu.size(); ++i)
        EXPECT_EQ(recu[i].substr(0, 200), attendu[i]) << i;
}
