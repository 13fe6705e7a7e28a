// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flux.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace ohmira::flux {

namespace {

void signaler(const char* quoi, int numero)
{
    const std::string message =
        std::string("ohmira-calc : ") + quoi + " : " + std::strerror(numero) + "\n";
    // Nothing more can be done if stderr fails too.
    [[maybe_unused]] const auto ignore = ::write(STDERR_FILENO, message.data(), message.size());
}

// A descriptor inherited in non-blocking mode is waited for, not busy-polled.
bool attendre(int fd, short evenement)
{
    pollfd p{fd, evenement, 0};
    return ::poll(&p, 1, -1) >= 0 || errno == EINTR;
}

}  // namespace

bool ecrire(std::string_view texte)
{
    while (!texte.empty()) {
        const ssize_t n = ::write(STDOUT_FILENO, texte.data(), texte.size());
        if (n >= 0) {
            texte.remove_prefix(static_cast<std::size_t>(n));
            continue;
        }
        if (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && attendre(STDOUT_FILENO, POLLOUT)))
            continue;
        signaler("écriture impossible sur la sortie standard", errno);
        return false;
    }
    return true;
}

long lire(char* tampon, std::size_t taille)
{
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, tampon, taille);
        if (n >= 0)
            return n;
        if (errno == EINTR || ((errno == EAGAIN || errno == EWOULDBLOCK) && attendre(STDIN_FILENO, POLLIN)))
            continue;
        signaler("lecture impossible sur l'entrée standard", errno);
        return -1;
    }
}

}  // namespace ohmira::flux
