#include "ui/controls.h"

#include "ui/jpeg.h"

#include <QFile>
#include <QFocusEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>

#include <limits>

namespace ohmira::ui {

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
    text_ = text;
    fitText();
    update();
}

QSize Label::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(text_) + extra_, metrics.height() + extra_};
}

void Label::fitText()
{
    // resize() keeps the top-left corner where the design put it.
    resize(sizeHint());
}

bool Label::event(QEvent* event)
{
    // The design may set the geometry after the text.
    if (event->type() == QEvent::Polish)
        fitText();
    return QWidget::event(event);
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

Picture::Picture(QWidget* parent) : QWidget(parent) {}

void Picture::setSource(const QString& source)
{
    source_ = source;
    data_.clear();
    image_ = QImage();
    naturalSize_ = QSize();
    error_.clear();

    QFile file(source);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("image « %1 » illisible : %2").arg(source, file.errorString());
    } else {
        data_ = file.readAll();
        const JpegHeader header = readJpegHeader(data_);
        if (!header.error.isEmpty())
            error_ = QStringLiteral("image « %1 » : %2").arg(source, header.error);
        else
            naturalSize_ = header.size;
    }
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
    setEditable(false);
    setStyle(dropDownStyle());
    setView(new PrefixListView);
    setMaxVisibleItems(8);
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
