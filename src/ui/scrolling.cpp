// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/scrolling.h"

#include "ui/design_error.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include <algorithm>

namespace ohmira::ui {

namespace {

// Qt draws the thumb from the page step; ours pages by a fixed 80 pixels
// while its thumb still shows how much of the extent is in view.
class ScrollBar : public QScrollBar {
public:
    ScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent)
    {
        setFocusPolicy(Qt::NoFocus);
        setSingleStep(ScrolledClient::Step);
        setPageStep(ScrolledClient::Page);
    }

    void setVisibleSpan(int span)
    {
        if (span == span_)
            return;
        span_ = span;
        update();
    }

protected:
    void initStyleOption(QStyleOptionSlider* option) const override
    {
        QScrollBar::initStyleOption(option);
        option->pageStep = span_;
    }

private:
    int span_ = ScrolledClient::Page;
};

ScrollBar& ours(QScrollBar& bar)
{
    return static_cast<ScrollBar&>(bar);
}

}  // namespace

ScrolledClient::ScrolledClient(QWidget& window) : QWidget(&window), window_(&window)
{
    setObjectName(QStringLiteral("ScrolledClient"));
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("Client"));
    for (QWidget* control : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control == this || control->isWindow())
            continue;
        control->setParent(client_);  // appended: the stacking order stays
        watch(*control);
    }
    // Above the client, which slides under them.
    horizontal_ = new ScrollBar(Qt::Horizontal, this);
    vertical_ = new ScrollBar(Qt::Vertical, this);
    connect(horizontal_, &QScrollBar::valueChanged, this, &ScrolledClient::placeClient);
    connect(vertical_, &QScrollBar::valueChanged, this, &ScrolledClient::placeClient);

    client_->installEventFilter(this);
    window.installEventFilter(this);
    setGeometry(window.rect());
    layOut();
}

void ScrolledClient::watch(QWidget& control)
{
    control.installEventFilter(this);  // installing twice keeps one filter
}

QSize ScrolledClient::extent() const
{
    QSize edges(0, 0);
    for (const QWidget* control :
         client_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isHidden() || control->isWindow())
            continue;
        const QRect g = control->geometry();
        edges = edges.expandedTo(QSize(g.x() + g.width(), g.y() + g.height()));
    }
    return edges;
}

bool ScrolledClient::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::Resize)
            setGeometry(window_->rect());
        return false;
    }
    if (watched == client_) {
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                watch(*static_cast<QWidget*>(child));
            layOut();
        } else if (event->type() == QEvent::ChildRemoved) {
            layOut();
        }
        return false;
    }
    // One of the controls.
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        layOut();
        break;
    default:
        break;
    }
    return false;
}

void ScrolledClient::resizeEvent(QResizeEvent*)
{
    layOut();
}

// Decides which bars the room leaves for, then places them and the client.
void ScrolledClient::layOut()
{
    if (layingOut_ || vertical_ == nullptr)  // or still being built
        return;
    layingOut_ = true;
    extent_ = extent();
    const QSize room = size();
    const int barWidth = vertical_->sizeHint().width();
    const int barHeight = horizontal_->sizeHint().height();
    bool across = extent_.width() > room.width();
    bool down = extent_.height() > room.height();
    // A bar takes room from the other direction, which may then need its own.
    if (across && !down)
        down = extent_.height() > room.height() - barHeight;
    if (down && !across)
        across = extent_.width() > room.width() - barWidth;
    view_ = QSize(std::max(0, room.width() - (down ? barWidth : 0)),
                  std::max(0, room.height() - (across ? barHeight : 0)));

    horizontal_->setGeometry(0, view_.height(), view_.width(), barHeight);
    vertical_->setGeometry(view_.width(), 0, barWidth, view_.height());
    // A smaller range pulls the value back, which places the client.
    horizontal_->setRange(0, across ? extent_.width() - view_.width() : 0);
    vertical_->setRange(0, down ? extent_.height() - view_.height() : 0);
    ours(*horizontal_).setVisibleSpan(view_.width());
    ours(*vertical_).setVisibleSpan(view_.height());
    horizontal_->setVisible(across);
    vertical_->setVisible(down);
    placeClient();
    layingOut_ = false;
}

// The client covers at least the view, so that all of it is bare window
// background where no control is.
void ScrolledClient::placeClient()
{
    client_->setGeometry(-horizontal_->value(), -vertical_->value(),
                         std::max(view_.width(), extent_.width()),
                         std::max(view_.height(), extent_.height()));
}

// The wheel scrolls the bar of its own direction, when there is one.
void ScrolledClient::wheelEvent(QWheelEvent* event)
{
    QScrollBar* bar = event->angleDelta().y() != 0 ? vertical_ : horizontal_;
    if (bar->isHidden()) {
        event->ignore();
        return;
    }
    QCoreApplication::sendEvent(bar, event);
}

ScrolledClient& scrollAutomatically(QWidget& window)
{
    if (window.findChild<ScrolledClient*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
        designError(window, QStringLiteral("défilement déjà en place"));
    return *new ScrolledClient(window);
}

}  // namespace ohmira::ui
