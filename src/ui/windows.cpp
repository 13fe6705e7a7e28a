#include "ui/windows.h"

#include "ui/design_error.h"
#include "ui/scrolling.h"

#include <QEvent>
#include <QEventLoop>
#include <QLayout>
#include <QMainWindow>
#include <QPoint>
#include <QVariant>
#include <QWidget>

namespace ohmira::ui {

namespace {

// Set by placeWindow on sizeable windows until their first showModal.
constexpr const char* PendingOuterSize = "ohmiraPendingOuterSize";

QVariant setting(const QWidget& window, const char* name, QMetaType::Type type)
{
    const QVariant value = window.property(name);
    if (!value.isValid() || value.metaType().id() != type)
        designError(window, QStringLiteral("réglage %1 absent ou du mauvais type")
                         .arg(QLatin1String(name)));
    return value;
}

// Quits a nested event loop when the watched window is hidden.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

}  // namespace

void placeWindow(QWidget& window)
{
    const QPoint position = setting(window, "screenPosition", QMetaType::QPoint).toPoint();
    const QString border = setting(window, "borderStyle", QMetaType::QString).toString();
    const QString icons = setting(window, "borderIcons", QMetaType::QString).toString();

    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons == QLatin1String("minimize"))
        flags |= Qt::WindowMinimizeButtonHint;
    else if (icons == QLatin1String("minimize,maximize"))
        flags |= Qt::WindowMinMaxButtonsHint;
    else
        designError(window, QStringLiteral("borderIcons « %1 » inconnu").arg(icons));

    if (border == QLatin1String("fixed")) {
        if (QLayout* layout = window.layout())
            layout->setSizeConstraint(QLayout::SetFixedSize);
        else
            window.setFixedSize(window.size());
    } else if (border == QLatin1String("sizeable")) {
        window.setProperty(PendingOuterSize, window.size());
    } else {
        designError(window, QStringLiteral("borderStyle « %1 » inconnu").arg(border));
    }

    window.setWindowFlags(flags);
    window.move(position);
}

void showModal(QWidget& window, QWidget& owner)
{
    if (window.isVisible())
        return;
    const QVariant outer = window.property(PendingOuterSize);
    if (outer.isValid()) {
        const QSize frame = owner.frameGeometry().size() - owner.size();
        window.resize(outer.toSize() - frame);
        window.setProperty(PendingOuterSize, QVariant());
    }

    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    window.raise();
    window.activateWindow();
    loop.exec(QEventLoop::DialogExec);
    window.removeEventFilter(&watcher);

    owner.activateWindow();
}

QWidget& clientArea(QWidget& window)
{
    if (auto* scrolled = window.findChild<ScrolledClient*>(QString(), Qt::FindDirectChildrenOnly))
        return scrolled->client();
    if (auto* main = qobject_cast<QMainWindow*>(&window); main && main->centralWidget())
        return *main->centralWidget();
    return window;
}

}  // namespace ohmira::ui
