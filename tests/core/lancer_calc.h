#pragma once
// Runs the real ohmira-calc binary through the shell, as a user would.

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

struct SortieCalc {
    std::string out;
    std::string err;
    int code;
};

// `ohmira-calc ARGS` with LC_ALL=C unless `environnement` says otherwise,
// `entree` on standard input.
inline SortieCalc lancerCalc(const std::string& args, const std::string& entree = "",
                             const std::string& environnement = "LC_ALL=C")
{
    const auto lire = [](const std::string& chemin) {
        std::ifstream f(chemin);
        std::stringstream s;
        s << f.rdbuf();
        return s.str();
    };
    const std::string base = "/tmp/ohmira-cli-montage-" + std::to_string(getpid());
    {
        std::ofstream in(base + ".in");
        in << entree;
    }
    const std::string commande = "env " + environnement + " '" OHMIRA_CALC "' " + args + " <" + base +
                                 ".in >" + base + ".out 2>" + base + ".err";
    const int statut = std::system(commande.c_str());
    SortieCalc s{lire(base + ".out"), lire(base + ".err"), WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
    for (const char* ext : {".in", ".out", ".err"})
        std::remove((base + ext).c_str());
    return s;
}
