// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Window-level rules shared by every window: where it opens, its frame, how
// the main window shows the others, and where its bare background is.

#include <QMargins>
#include <QPoint>

#include <memory>
#include <optional>

class QWidget;

namespace ohmira::ui {

// A window that the main window's menu shows: the handler its menu item
// names in the main window's design, and how to create it.
struct MenuWindow {
    const char* menuHandler;  // "ImageduneLED1Click"
    std::unique_ptr<QWidget> (*create)();
};

// Applies the window settings the design stores as dynamic properties on
// its root, then places the window:
//   screenPosition  point  where the outer frame's top-left corner opens
//   borderStyle     "fixed": the user cannot resize it; its size is what
//                   the design's minimum and maximum sizes leave (for a
//                   main window: the central widget's, plus the menu bar)
//                   "sizeable": the design's size is the outer size, frame
//                   included (see showModal)
//   borderIcons     "minimize" or "minimize,maximize"; the close button and
//                   the system menu are always there
// Throws DesignError when a setting is missing or unknown.
void placeWindow(QWidget& window);

// Shows `window` modally over the whole program and returns when the user
// has closed it; closing only hides it, so it keeps its state, position and
// size for next time. It belongs to `owner` (transient for it: one task-bar
// entry), and minimising either minimises both. The first time, a sizeable
// window's client area is its outer size less the frame the window manager
// gives it once on screen. Afterwards `owner` is active again with its
// focus where it was.
void showModal(QWidget& window, QWidget& owner);

// The frame the window manager put around a shown window: on X11 what it
// reports (_NET_FRAME_EXTENTS), elsewhere what Qt knows. Empty while it is
// not known yet (on X11: before the window manager has taken the window).
std::optional<QMargins> windowFrame(const QWidget& window);

// Where a shown window's frame stands now (its top-left corner): on X11
// read from the X server, which Qt's move events can lag behind. Empty while
// the frame is not known.
std::optional<QPoint> framePosition(const QWidget& window);

// Asks for a shown window's frame to stand at `place`, its size unchanged.
void moveFrame(QWidget& window, QPoint place);

// Asks the window manager to let the user move `window` neither by its
// title bar nor by its window menu (X11: the move function left out of the
// window's Motif hints). For a window that exists and is not yet on screen.
void forbidMoving(QWidget& window);

// The widget that shows the window's bare background, around and between
// its controls: the client of a window that scrolls automatically
// (ui/scrolling.h), the central widget of a main window, else the window
// itself. The window's own mouse events happen there.
QWidget& clientArea(QWidget& window);

}  // namespace ohmira::ui
