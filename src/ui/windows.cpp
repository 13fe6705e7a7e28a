// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/windows.h"

#include "ui/design_error.h"
#include "ui/scrolling.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPoint>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

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

// ---- X11 -------------------------------------------------------------------

xcb_connection_t* x11()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* app = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return app != nullptr ? app->connection() : nullptr;
}

template <class Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* x, const char* name)
{
    const XReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The property's 32-bit values; empty when it is absent or of another kind.
std::vector<uint32_t> property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type, uint32_t count)
{
    const XReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, name, type, 0, count), nullptr),
        &std::free);
    if (reply == nullptr || reply->type != type || reply->format != 32 ||
        reply->value_len != count)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + count};
}

// The server counts in screen pixels; Qt's coordinates are scaled by the
// device pixel ratio on a high-density screen.
int toLogical(const QWidget& window, int pixels)
{
    return static_cast<int>(std::lround(pixels / window.devicePixelRatioF()));
}

// ---- Modal windows -----------------------------------------------------------

// While a window is shown modally: ends its loop when it is closed, gives
// it its outer size once the window manager has framed it, and minimises
// and restores it together with its owner.
class ModalWatcher : public QObject {
public:
    ModalWatcher(QEventLoop& loop, QWidget& window, QWidget& owner)
        : loop_(loop), window_(window), owner_(owner)
    {
        window_.installEventFilter(this);
        owner_.installEventFilter(this);
    }
    ~ModalWatcher() override
    {
        window_.removeEventFilter(this);
        owner_.removeEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_) {
            switch (event->type()) {
            case QEvent::Hide:
                // Minimised, it is hidden from the screen but still open.
                if (window_.isHidden())
                    loop_.quit();
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
                giveOuterSize(window_);
                break;
            case QEvent::WindowStateChange:
                followLater();
                break;
            default:
                break;
            }
        } else if (event->type() == QEvent::WindowStateChange) {
            restoring_ = !owner_.isMinimized();
            followLater();
        }
        return false;
    }

    // Once the window manager has done what it does itself: window managers
    // minimise a window with its owner, but not all the owner with the
    // window, nor give the window back with the owner.
    void followLater()
    {
        QMetaObject::invokeMethod(this, &ModalWatcher::follow, Qt::QueuedConnection);
    }

    void follow()
    {
        if (window_.isHidden())
            return;
        if (window_.isMinimized() && !owner_.isMinimized()) {
            if (restoring_) {
                window_.showNormal();
                window_.activateWindow();
            } else {
                owner_.showMinimized();
            }
        } else if (restoring_ && !owner_.isMinimized()) {
            // The owner is back: so is the window that blocks it, on top.
            window_.showNormal();
            window_.raise();
            window_.activateWindow();
        }
        restoring_ = false;
    }

    // The design's outer size less the frame, once the frame is known.
    static void giveOuterSize(QWidget& window)
    {
        const QVariant outer = window.property(PendingOuterSize);
        if (!outer.isValid())
            return;
        const std::optional<QMargins> frame = windowFrame(window);
        if (!frame)
            return;
        window.setProperty(PendingOuterSize, QVariant());
        window.resize(outer.toSize().shrunkBy(*frame));
    }

private:
    QEventLoop& loop_;
    QWidget& window_;
    QWidget& owner_;
    bool restoring_ = false;
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
        // Known only once it is on screen (see ModalWatcher); meanwhile the
        // frame of the owner is the best guess.
        ModalWatcher::giveOuterSize(window);
        if (const std::optional<QMargins> frame = windowFrame(owner);
            frame && window.property(PendingOuterSize).isValid())
            window.resize(outer.toSize().shrunkBy(*frame));
    }

    window.winId();
    window.windowHandle()->setTransientParent(owner.window()->windowHandle());

    QEventLoop loop;
    ModalWatcher watcher(loop, window, owner);
    window.setWindowModality(Qt::ApplicationModal);
    window.show();
    if (xcb_connection_t* x = x11()) {
        // Qt tells the window manager only of dialogs' and tools' owners,
        // and clears the property of other windows as it maps them.
        const auto parent = static_cast<xcb_window_t>(owner.window()->winId());
        xcb_change_property(x, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                            XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &parent);
        xcb_flush(x);
    }
    window.raise();
    window.activateWindow();
    loop.exec(QEventLoop::DialogExec);

    owner.activateWindow();
}

std::optional<QMargins> windowFrame(const QWidget& window)
{
    if (xcb_connection_t* x = x11()) {
        const auto id = static_cast<xcb_window_t>(window.internalWinId());
        if (id == 0)
            return std::nullopt;
        const std::vector<uint32_t> extents =
            property(x, id, atom(x, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 4);
        if (extents.empty())
            return std::nullopt;
        // left, right, top, bottom, in the server's pixels
        const auto logical = [&window](uint32_t v) { return toLogical(window, int(v)); };
        return QMargins(logical(extents[0]), logical(extents[2]), logical(extents[1]),
                        logical(extents[3]));
    }
    if (!window.isVisible())
        return std::nullopt;
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return QMargins(client.left() - frame.left(), client.top() - frame.top(),
                    frame.right() - client.right(), frame.bottom() - client.bottom());
}

std::optional<QPoint> framePosition(const QWidget& window)
{
    const std::optional<QMargins> frame = windowFrame(window);
    if (!frame)
        return std::nullopt;
    const QPoint border(frame->left(), frame->top());
    if (xcb_connection_t* x = x11()) {
        const auto id = static_cast<xcb_window_t>(window.internalWinId());
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const XReply<xcb_translate_coordinates_reply_t> client(
            xcb_translate_coordinates_reply(x, xcb_translate_coordinates(x, id, root, 0, 0),
                                            nullptr),
            &std::free);
        if (client == nullptr)
            return std::nullopt;
        return QPoint(toLogical(window, client->dst_x), toLogical(window, client->dst_y)) -
               border;
    }
    return window.geometry().topLeft() - border;
}

void moveFrame(QWidget& window, QPoint place)
{
    const std::optional<QMargins> frame = windowFrame(window);
    if (!frame)
        return;
    const QPoint client = place + QPoint(frame->left(), frame->top());
    if (xcb_connection_t* x = x11()) {
        // Straight to the server: Qt skips a move to where it believes the
        // window already is.
        const qreal ratio = window.devicePixelRatioF();
        const std::array<uint32_t, 2> xy = {static_cast<uint32_t>(std::lround(client.x() * ratio)),
                                            static_cast<uint32_t>(std::lround(client.y() * ratio))};
        xcb_configure_window(x, static_cast<xcb_window_t>(window.winId()),
                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, xy.data());
        xcb_flush(x);
        return;
    }
    window.windowHandle()->setPosition(client);
}

void forbidMoving(QWidget& window)
{
    xcb_connection_t* x = x11();
    if (x == nullptr)
        return;
    // The Motif hints every X11 window manager reads: which functions it
    // offers for the window. Qt writes them when it creates the window.
    enum : uint32_t { HintFunctions = 1 };
    enum : uint32_t { All = 1, Resize = 2, Move = 4, Minimize = 8, Maximize = 16, Close = 32 };
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t hints = atom(x, "_MOTIF_WM_HINTS");
    std::vector<uint32_t> values = property(x, id, hints, hints, 5);
    values.resize(5, 0);
    uint32_t functions = (values[0] & HintFunctions) != 0 ? values[1] : All;
    if ((functions & All) != 0)  // all but the ones listed
        functions = (Resize | Move | Minimize | Maximize | Close) & ~functions;
    values[0] |= HintFunctions;
    values[1] = functions & ~Move;
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, hints, hints, 32, 5, values.data());
    xcb_flush(x);
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
