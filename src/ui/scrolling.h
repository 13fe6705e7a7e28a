// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Automatic scroll bars for a resizable window. When the user makes the
// window smaller than the extent of its controls (their right and bottom
// edges), scroll bars appear, moving 8 pixels per arrow click and 80 per
// page; when the window is large enough again they go away.
//
// Not QScrollArea: the extent here is the controls' right and bottom edges,
// not a widget's size hint or layout; the steps are fixed; and a bar that
// appears takes room from the view, which can make the other bar needed.
// Those rules are the few lines of layOut(), where QScrollArea would have to
// be bent out of its layout-driven sizing.
//
// The window's controls move into a client widget that the scrolled area
// slides under a fixed view. Their positions stay those of the design:
// they are relative to the client, whose top-left corner is the window's
// client origin while nothing is scrolled. The client itself is the
// window's bare background (see clientArea() in ui/windows.h): whatever
// the window's own mouse events are bound to is bound there.

#include <QWidget>

class QScrollBar;

namespace ohmira::ui {

class ScrolledClient : public QWidget {
    Q_OBJECT
public:
    static constexpr int Step = 8;
    static constexpr int Page = 80;

    // Fills `window` and takes its controls (its child widgets) into the
    // client, in the same stacking order.
    explicit ScrolledClient(QWidget& window);

    QWidget& client() const { return *client_; }
    QScrollBar& horizontal() const { return *horizontal_; }
    QScrollBar& vertical() const { return *vertical_; }

    // Right and bottom edges of the controls that are not hidden, in
    // client coordinates: the size the window needs to show them all.
    QSize extent() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void watch(QWidget& control);
    void layOut();
    void placeClient();

    QWidget* const window_;
    QWidget* client_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QWidget* corner_ = nullptr;
    QSize view_;
    QSize extent_;
    bool layingOut_ = false;
};

// Gives `window` (a plain QWidget window with its design loaded) automatic
// scroll bars. Call it before the window's events are bound, so that its
// mouse events are taken from the client, where they happen.
ScrolledClient& scrollAutomatically(QWidget& window);

}  // namespace ohmira::ui
