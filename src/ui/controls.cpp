// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include "ui/jpeg.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegion>
#include <QResource>

#include <limits>
#include <utility>

namespace ohmira::ui {

namespace {

// Labels (not static texts), pictures and bevels have no window of their
// own: they are drawn on their window's surface, so every control that has
// one (a static text, a field, a list...) stays above them wherever they
// overlap, whatever their order in the design.
bool drawnOnWindow(const QWidget& widget)
{
    if (qobject_cast<const Label*>(&widget) != nullptr)
        return qobject_cast<const StaticText*>(&widget) == nullptr;
    return qobject_cast<const Picture*>(&widget) != nullptr ||
           qobject_cast<const Bevel*>(&widget) != nullptr;
}

// Keeps `painter` off the siblings of `control` that have a window of their
// own.
void leaveOutWindowedSiblings(QPainter& painter, const QWidget& control)
{
    const QWidget* parent = control.parentWidget();
    if (parent == nullptr || !drawnOnWindow(control))
        return;
    QRegion covered;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (sibling != nullptr && sibling != &control && !sibling->isHidden() &&
            !sibling->isWindow() && !drawnOnWindow(*sibling) &&
            sibling->geometry().intersects(control.geometry()))
            covered += sibling->geometry().translated(-control.pos());
    }
    if (!covered.isEmpty())
        painter.setClipRegion(QRegion(control.rect()) - covered);
}

}  // namespace

// ---- Buttons ----------------------------------------------------------------

namespace {

class EnterPresses : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

}  // namespace

void pressWithEnter(QPushButton& button)
{
    // One for all buttons, owned by the application.
    static QPointer<EnterPresses> filter;
    if (filter == nullptr)
        filter = new EnterPresses(QCoreApplication::instance());
    button.installEventFilter(filter);
}

// ---- Label, StaticText ----------------------------------------------------

Label::Label(QWidget* parent) : Label(0, parent) {}

Label::Label(int extra, QWidget* parent) : QWidget(parent), extra_(extra)
{
    setFocusPolicy(Qt::NoFocus);
    // We paint every pixel ourselves.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Label::setText(const QString& text)
{
    if (text == text_)
        return;
    const QString old = std::exchange(text_, text);
    fitText();
    update();
    if (QAccessible::isActive()) {
        // A screen reader keeps what it read; tell it what changed, under the
        // name or the description that carries the text.
        QAccessibleTextUpdateEvent changed(this, 0, old, text_);
        QAccessible::updateAccessibility(&changed);
        QAccessibleEvent carrier(this, accessibleName().isEmpty()
                                           ? QAccessible::NameChanged
                                           : QAccessible::DescriptionChanged);
        if (accessibleName().isEmpty() || accessibleDescription().isEmpty())
            QAccessible::updateAccessibility(&carrier);
    }
}

QSize Label::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(text_) + extra_, metrics.height() + extra_};
}

void Label::fitText()
{
    // While a design is loading, the text, the font and the geometry arrive
    // in any order, and measuring with a font about to be replaced would load
    // it for nothing: the label fits itself when polished, before it shows.
    if (!testAttribute(Qt::WA_WState_Polished))
        return;
    // resize() keeps the top-left corner where the design put it.
    resize(sizeHint());
}

bool Label::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Polish)
        fitText();
    // The tooltip is part of the description (see LabelAccessible).
    if (event->type() == QEvent::ToolTipChange && QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    return handled;
}

void Label::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitText();
    QWidget::changeEvent(event);
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    leaveOutWindowedSiblings(painter, *this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

StaticText::StaticText(QWidget* parent) : Label(4, parent) {}

// ---- Bevel ------------------------------------------------------------------

Bevel::Bevel(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    leaveOutWindowedSiblings(painter, *this);
    // Lowered: shadow along the top and left edges, light along the others.
    const QColor shadow(128, 128, 128);
    painter.fillRect(0, 0, w - 1, 1, shadow);
    painter.fillRect(0, 0, 1, h - 1, shadow);
    painter.fillRect(w - 1, 0, 1, h, Qt::white);
    painter.fillRect(0, h - 1, w, 1, Qt::white);
}

// ---- Picture ----------------------------------------------------------------

Picture::Picture(QWidget* parent) : QWidget(parent)
{
}

void Picture::setSource(const QString& source)
{
    source_ = source;
    data_.clear();
    image_ = QImage();
    naturalSize_ = QSize();
    error_.clear();

    // An embedded picture is read where it lies in the program, not copied.
    const QResource resource(source);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        data_ = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                        static_cast<qsizetype>(resource.size()));
    } else {
        QFile file(source);
        if (!file.open(QIODevice::ReadOnly)) {
            error_ = QStringLiteral("image « %1 » illisible : %2").arg(source, file.errorString());
            update();
            return;
        }
        data_ = file.readAll();
    }
    const JpegHeader header = readJpegHeader(data_);
    if (!header.error.isEmpty())
        error_ = QStringLiteral("image « %1 » : %2").arg(source, header.error);
    else
        naturalSize_ = header.size;
    update();
}

const QImage& Picture::image()
{
    if (image_.isNull() && error_.isEmpty() && !data_.isEmpty()) {
        QString error;
        image_ = decodeJpeg(data_, &error);
        if (image_.isNull())
            error_ = QStringLiteral("image « %1 » : %2").arg(source_, error);
        else
            data_.clear();  // decoded once, kept as pixels
    }
    return image_;
}

void Picture::paintEvent(QPaintEvent*)
{
    const QImage& pixels = image();
    if (pixels.isNull())
        return;
    QPainter painter(this);
    leaveOutWindowedSiblings(painter, *this);
    painter.drawImage(0, 0, pixels);  // natural size; the widget clips
}

// ---- ComboBox ---------------------------------------------------------------

namespace {

// Styles such as Fusion show a list without free text as a menu over the
// field, ignoring maxVisibleItems; ours drops down below the field with a
// fixed number of rows.
class DropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// One for all lists, owned by the application.
QStyle* dropDownStyle()
{
    static QPointer<DropDownStyle> style;
    if (style == nullptr) {
        style = new DropDownStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

void PrefixListView::keyboardSearch(const QString& text)
{
    if (text.isEmpty() || model() == nullptr)
        return;
    if (!sinceLastKey_.isValid() || sinceLastKey_.elapsed() > PauseMs)
        prefix_.clear();
    sinceLastKey_.start();
    prefix_ += text;

    const int rows = model()->rowCount(rootIndex());
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
        if (index.data(Qt::DisplayRole).toString().startsWith(prefix_, Qt::CaseInsensitive)) {
            setCurrentIndex(index);
            return;
        }
    }
    // No entry begins with the prefix: the selection stays.
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(8);
}

// The list and its view are built when first needed, as QComboBox itself
// does: a closed list costs less to create. Keys reach the view's search.
void ComboBox::usePrefixView()
{
    if (hasPrefixView_)
        return;
    hasPrefixView_ = true;
    // The style first: the list's container reads it when given the view
    // (with the menu-like popup it would turn the scroll bar off). Given only
    // now, for the same reason as the view: the closed list looks the same.
    setStyle(dropDownStyle());
    setView(new PrefixListView);
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    usePrefixView();
    QComboBox::keyPressEvent(event);
}

void ComboBox::inputMethodEvent(QInputMethodEvent* event)
{
    usePrefixView();
    QComboBox::inputMethodEvent(event);
}

void ComboBox::showPopup()
{
    usePrefixView();
    QComboBox::showPopup();
}

QAbstractItemView* ComboBox::listView()
{
    usePrefixView();
    return view();
}

// ---- Edit -------------------------------------------------------------------

Edit::Edit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
}

void Edit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        selectAll();
        break;
    default:
        break;
    }
}

}  // namespace ohmira::ui
