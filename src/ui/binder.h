// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Event bindings stored in a design. A control or menu action names the
// handler of one of its events in a dynamic property of the same name as
// the event:
//   <property name="OnClick" stdset="0"><string>Button1Click</string></property>
// A window's handlers are the slots its class declares itself (Qt's meta-
// object names them, so a handler's name is written once, in its
// declaration). bindWindowHandlers() connects each event to the handler of
// that name. A handler runs inside a wrapper that hands any exception to the
// application's error box (Application::handlerFailed), so none ever
// unwinds through Qt.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace ohmira::ui {

struct Handler {
    QString name;                // "Button1Click"
    std::function<void()> call;
};

// Events a design may bind, with the objects that have them:
//   OnClick      buttons (clicked), menu actions (triggered), and labels
//                (ohmira::ui::Label and StaticText): the left button pressed
//                and released over the label; released elsewhere it is no
//                click, and a double click is one click
//   OnMouseMove  labels, and the window itself: the pointer moves over the
//                label, or over the window's bare background (clientArea()
//                in ui/windows.h) and no control. A move over one of our
//                controls is that control's alone: it never reaches the
//                window.
inline constexpr const char* EventOnClick = "OnClick";
inline constexpr const char* EventOnMouseMove = "OnMouseMove";

// Binds every event property found on `root` and the objects it owns to the
// handler of that name in `handlers`. Throws DesignError naming the design
// when a property names no handler of the table, when an object cannot have
// the event, or when a handler of the table is bound to nothing.
void bindHandlers(QWidget& root, const std::vector<Handler>& handlers);

// The same with the slots of `window`'s own class (not those it inherits)
// as handlers, plus `more`, handlers that are not members of the class.
void bindWindowHandlers(QWidget& window, std::vector<Handler> more = {});

}  // namespace ohmira::ui
