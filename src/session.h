// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What `ohmira` must settle before Qt starts: a request for its help or its
// version, and whether a window system can be reached at all. Qt aborts when
// it cannot open its display, so that has to be found out beforehand.

#include <string>

namespace ohmira {

enum class Demande { Fenetres, Aide, Version };

// The first of --help, -h or --version on the command line, else Fenetres.
// Anything else is left to Qt (-platform, -display, -style...).
Demande demandeDe(int argc, const char* const* argv);

// The window systems Qt may open and what the environment offers them.
struct Session {
    // -platform NAME (or --platform), else QT_QPA_PLATFORM; empty for Qt's
    // default. A list "wayland;xcb" is tried in order, "xcb:opt" has options.
    std::string plateformes;
    bool display = false;  // DISPLAY set, or -display given
    bool wayland = false;  // WAYLAND_DISPLAY set
};

// The session of this process: its arguments and environment.
Session sessionDe(int argc, const char* const* argv);

// True when none of the platforms can show a window: X11 without a display,
// Wayland without a compositor socket, or Qt's default with neither.
// Platforms that need no display (offscreen, minimal, vnc...) always can.
//   {"", display} -> false       {"", none} -> true
//   {"offscreen", none} -> false {"xcb", wayland} -> true
//   {"wayland;xcb", display} -> false
bool sansEcran(const Session& session);

}  // namespace ohmira
