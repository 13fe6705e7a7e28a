// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs the real ohmira-calc binary through the shell, as a user would.

#include <cstdio>
#include <cstdlib>
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

inline std::string lireFichier(const std::string& chemin)
{
    std::ifstream f(chemin);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

// `ohmira-calc ARGS` with LC_ALL=C unless `environnement` says otherwise,
// `entree` on standard input. `redirections` come last and win
// (">/dev/full" replaces the captured output).
inline SortieCalc lancerCalc(const std::string& args, const std::string& entree = "",
                             const std::string& environnement = "LC_ALL=C",
                             const std::string& redirections = "")
{
    const std::string base = "/tmp/ohmira-cli-" + std::to_string(getpid());
    {
        std::ofstream in(base + ".in", std::ios::binary);
        in << entree;
    }
    const std::string commande = "env " + environnement + " '" OHMIRA_CALC "' " + args + " <" + base +
                                 ".in >" + base + ".out 2>" + base + ".err " + redirections;
    const int statut = std::system(commande.c_str());
    SortieCalc s{lireFichier(base + ".out"), lireFichier(base + ".err"), WIFEXITED(statut) ? WEXITSTATUS(statut) : -1};
    for (const char* ext : {".in", ".out", ".err"})
        std::remove((base + ext).c_str());
    return s;
}
