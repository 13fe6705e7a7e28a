// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <cstdlib>
#include <string_view>

namespace ohmira {

namespace {

bool defini(const char* variable)
{
    const char* valeur = std::getenv(variable);
    return valeur != nullptr && *valeur != '\0';
}

// Qt reads its options with one dash or two.
std::string_view optionQt(std::string_view argument)
{
    if (argument.starts_with("--"))
        argument.remove_prefix(1);
    return argument;
}

bool peutAfficher(std::string_view plateforme, const Session& session)
{
    plateforme = plateforme.substr(0, plateforme.find(':'));
    if (plateforme == "xcb")
        return session.display;
    if (plateforme.starts_with("wayland"))
        return session.wayland;
    return true;
}

}  // namespace

Demande demandeDe(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--help" || a == "-h")
            return Demande::Aide;
        if (a == "--version")
            return Demande::Version;
    }
    return Demande::Fenetres;
}

Session sessionDe(int argc, const char* const* argv)
{
    Session session;
    if (const char* qpa = std::getenv("QT_QPA_PLATFORM"))
        session.plateformes = qpa;
    session.display = defini("DISPLAY");
    session.wayland = defini("WAYLAND_DISPLAY");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view option = optionQt(argv[i]);
        if (option == "-platform")
            session.plateformes = argv[++i];
        else if (option == "-display")
            session.display = true;
    }
    return session;
}

bool sansEcran(const Session& session)
{
    std::string_view reste = session.plateformes;
    if (reste.empty())
        return !session.display && !session.wayland;
    while (true) {
        const std::size_t fin = reste.find(';');
        if (peutAfficher(reste.substr(0, fin), session))
            return false;
        if (fin == std::string_view::npos)
            return true;
        reste.remove_prefix(fin + 1);
    }
}

}  // namespace ohmira
