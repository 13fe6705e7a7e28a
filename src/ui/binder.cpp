// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/binder.h"

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/design_error.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>

#include <map>

namespace ohmira::ui {

namespace {

// What a design may bind: dynamic properties whose name begins with "On"
// and an upper-case letter are events; anything else is ordinary data.
bool looksLikeEvent(const QByteArray& property)
{
    return property.size() > 2 && property.startsWith("On") && property.at(2) >= 'A' &&
           property.at(2) <= 'Z';
}

// The wrapper every bound handler runs in.
auto guarded(Application* app, std::function<void()> call)
{
    return [app, call = std::move(call)]() noexcept {
        try {
            call();
        } catch (...) {
            app->handlerFailed(std::current_exception());
        }
    };
}

// Runs the handler whenever the pointer moves over the widget, button down
// or not. The move ends there: the widgets below never see it.
class MouseMoveBinding : public QObject {
public:
    MouseMoveBinding(QWidget& widget, std::function<void()> call)
        : QObject(&widget), call_(std::move(call))
    {
        widget.setMouseTracking(true);
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::MouseMove)
            return false;
        event->accept();
        call_();
        return true;
    }

private:
    std::function<void()> call_;
};

// A click on a widget that is no button: the left button pressed over it
// and released over it (the press keeps the mouse, so the release comes
// here wherever it happens). The second press of a double click starts no
// new click.
class ClickBinding : public QObject {
public:
    ClickBinding(QWidget& widget, std::function<void()> call)
        : QObject(&widget), widget_(widget), call_(std::move(call))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
            break;
        default:
            return false;
        }
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        mouse->accept();
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const bool click = pressed_ && widget_.rect().contains(mouse->position().toPoint());
            pressed_ = false;
            if (click)
                call_();
        }
        return true;
    }

private:
    QWidget& widget_;
    std::function<void()> call_;
    bool pressed_ = false;
};

}  // namespace

void bindHandlers(QWidget& root, const std::vector<Handler>& handlers)
{
    Application* const app = &Application::instance();

    std::map<QString, const Handler*> byName;
    std::map<QString, int> uses;
    for (const Handler& handler : handlers) {
        byName[handler.name] = &handler;
        uses[handler.name] = 0;
    }

    QStringList errors;
    QList<QObject*> objects = root.findChildren<QObject*>();
    objects.prepend(&root);
    for (QObject* object : objects) {
        for (const QByteArray& property : object->dynamicPropertyNames()) {
            if (!looksLikeEvent(property))
                continue;
            const QString where = QStringLiteral("%1.%2").arg(object->objectName(),
                                                               QString::fromLatin1(property));
            const QString name = object->property(property.constData()).toString();
            const auto found = byName.find(name);
            if (found == byName.end()) {
                errors << QStringLiteral("%1 nomme un gestionnaire inconnu « %2 »")
                              .arg(where, name);
                continue;
            }
            auto call = guarded(app, found->second->call);
            auto* const label = qobject_cast<Label*>(object);
            bool bound = false;
            if (property == EventOnClick) {
                if (auto* button = qobject_cast<QAbstractButton*>(object)) {
                    QObject::connect(button, &QAbstractButton::clicked, &root, call);
                    bound = true;
                } else if (auto* action = qobject_cast<QAction*>(object)) {
                    QObject::connect(action, &QAction::triggered, &root, call);
                    bound = true;
                } else if (label != nullptr) {
                    new ClickBinding(*label, call);
                    bound = true;
                }
            } else if (property == EventOnMouseMove) {
                if (object == &root) {
                    new MouseMoveBinding(clientArea(root), call);
                    bound = true;
                } else if (label != nullptr) {
                    new MouseMoveBinding(*label, call);
                    bound = true;
                }
            }
            if (!bound) {
                errors << QStringLiteral("%1 : événement impossible pour un %2")
                              .arg(where, QLatin1String(object->metaObject()->className()));
                continue;
            }
            ++uses[name];
        }
    }
    for (const auto& [name, count] : uses)
        if (count == 0)
            errors << QStringLiteral("le gestionnaire %1 n'est lié à rien").arg(name);

    if (!errors.isEmpty())
        designError(root, errors.join(QStringLiteral(" ; ")));
}

void bindWindowHandlers(QWidget& window, std::vector<Handler> more)
{
    const QMetaObject& own = *window.metaObject();
    for (int i = own.methodOffset(); i < own.methodCount(); ++i) {
        const QMetaMethod method = own.method(i);
        if (method.methodType() != QMetaMethod::Slot)
            continue;
        more.push_back({QString::fromLatin1(method.name()),
                        [&window, method] { method.invoke(&window, Qt::DirectConnection); }});
    }
    bindHandlers(window, more);
}

}  // namespace ohmira::ui
