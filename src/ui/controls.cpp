#include "ui/controls.h"

#include "ui/jpeg.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QResource>

#include <limits>
#include <utility>

namespace ohmira::ui {

// ---- What assistive technologies see ----------------------------------------

namespace {

// The sibling a label is the caption of, named by its `buddy` property.
QWidget* buddy(const QWidget* label)
{
    const QByteArray name = label->property("buddy").toByteArray();
    if (name.isEmpty() || label->parentWidget() == nullptr)
        return nullptr;
    return label->parentWidget()->findChild<QWidget*>(QString::fromLatin1(name),
                                                      Qt::FindDirectChildrenOnly);
}

// Label and StaticText: a label, or a heading, whose text interface holds
// the text shown, read-only and without selection.
class LabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(Label* label)
        : QAccessibleWidget(label, label->property("accessibleHeading").toBool()
                                       ? QAccessible::Heading
                                       : QAccessible::StaticText)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override
    {
        const QString name = widget()->accessibleName();
        switch (which) {
        case QAccessible::Name:
            return name.isEmpty() ? shown() : name;
        case QAccessible::Description: {
            const QString description = widget()->accessibleDescription();
            const QString tip = widget()->toolTip();
            if (!description.isEmpty())
                return description;
            if (name.isEmpty() || buddy(widget()) != nullptr)
                return tip;  // as Qt does
            // What the line says, then what its tooltip adds for the mouse.
            return tip.isEmpty() ? shown() : shown() + QLatin1Char('\n') + tip;
        }
        default:
            return QAccessibleWidget::text(which);
        }
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Labelled)
            if (QWidget* control = buddy(widget()))
                found.append({QAccessible::queryAccessibleInterface(control),
                              QAccessible::Labelled});
        return found;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }

    QString text(int start, int end) const override
    {
        return shown().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }

    // Where Label::paintEvent draws each character, in screen coordinates.
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics = widget()->fontMetrics();
        const QRect local(metrics.horizontalAdvance(all.left(offset)), 0,
                          metrics.horizontalAdvance(all.at(offset)), metrics.height());
        return local.translated(widget()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        const QPoint local = widget()->mapFromGlobal(point);
        const QString all = shown();
        const QFontMetrics metrics = widget()->fontMetrics();
        if (local.x() < 0 || local.y() < 0 || local.y() >= metrics.height())
            return -1;
        for (int i = 0; i < all.size(); ++i)
            if (local.x() < metrics.horizontalAdvance(all.left(i + 1)))
                return i;
        return -1;
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString shown() const { return static_cast<const Label*>(object())->text(); }
};

// Picture: an image with the design's name and description. Its size and
// place come from the JPEG header and the widget: nothing is decoded.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureAccessible(Picture* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString imageDescription() const override { return text(QAccessible::Description); }
    QSize imageSize() const override { return static_cast<const Picture*>(object())->naturalSize(); }
    QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }
};

// ComboBox: what Qt gives a QComboBox on Linux (its name is the entry
// shown, its one child the open list, its action drops the list down), plus
// the caption labels that name it as their buddy.
class ComboBoxAccessible : public QAccessibleWidget {
public:
    explicit ComboBoxAccessible(ComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text which) const override
    {
        if (which == QAccessible::Name || which == QAccessible::Value)
            return box()->currentText();
        return QAccessibleWidget::text(which);
    }

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(box()->listView()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == box()->listView() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) && box()->parentWidget() != nullptr)
            for (Label* label : box()->parentWidget()->findChildren<Label*>(
                     Qt::FindDirectChildrenOnly))
                if (buddy(label) == box())
                    found.append({QAccessible::queryAccessibleInterface(label),
                                  QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (box()->listView()->isVisible())
            box()->hidePopup();
        else
            box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ComboBox* box() const { return static_cast<ComboBox*>(object()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String(ComboBox::staticMetaObject.className()))
        if (auto* box = qobject_cast<ComboBox*>(object))
            return new ComboBoxAccessible(box);
    if (className == QLatin1String(Label::staticMetaObject.className()))
        if (auto* label = qobject_cast<Label*>(object))
            return new LabelAccessible(label);
    if (className == QLatin1String(Picture::staticMetaObject.className()))
        if (auto* picture = qobject_cast<Picture*>(object))
            return new PictureAccessible(picture);
    if (className == QLatin1String(Bevel::staticMetaObject.className()))
        if (auto* bevel = qobject_cast<Bevel*>(object))
            return new QAccessibleWidget(bevel, QAccessible::Separator);
    // A window that is a plain QWidget (the information windows) would be a
    // mere "filler" to a screen reader, which then does not announce it.
    if (className == QLatin1String("QWidget"))
        if (auto* widget = qobject_cast<QWidget*>(object);
            widget != nullptr && widget->windowType() == Qt::Window)
            return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

// Once, before the first of our controls can be asked for its interface.
void useAccessibleControls()
{
    static const bool installed = (QAccessible::installFactory(&accessibleControl), true);
    (void)installed;
}

}  // namespace

// ---- Label, StaticText ----------------------------------------------------

Label::Label(QWidget* parent) : Label(0, parent) {}

Label::Label(int extra, QWidget* parent) : QWidget(parent), extra_(extra)
{
    useAccessibleControls();
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
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text_);
}

StaticText::StaticText(QWidget* parent) : Label(4, parent) {}

// ---- Bevel ------------------------------------------------------------------

Bevel::Bevel(QWidget* parent) : QWidget(parent)
{
    useAccessibleControls();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    QPainter painter(this);
    const QColor shadow(128, 128, 128);
    painter.fillRect(0, 0, w - 1, 1, shadow);  // top
    painter.fillRect(0, 0, 1, h - 1, shadow);  // left
    painter.fillRect(w - 1, 0, 1, h, Qt::white);  // right
    painter.fillRect(0, h - 1, w, 1, Qt::white);  // bottom
}

// ---- Picture ----------------------------------------------------------------

Picture::Picture(QWidget* parent) : QWidget(parent)
{
    useAccessibleControls();
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
    useAccessibleControls();
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
