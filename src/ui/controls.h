#pragma once
// The controls the designs use where Qt's own do not behave as the windows
// need. Each is created by name from a design (see ui/design_loader.h).

#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QWidget>

namespace ohmira::ui {

// One line of text on an opaque background (the window colour), sized to
// its text: a longer text widens it to the right, its left edge stays. (It
// measures itself from the time it is polished, just before it first shows.)
class Label : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit Label(QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    // Space added around the text on each axis.
    explicit Label(int extra, QWidget* parent);

    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void fitText();

    QString text_;
    int extra_ = 0;
};

// A label that is four border widths (4 px) wider and taller than its text,
// with no border drawn; it takes no focus.
class StaticText : public Label {
    Q_OBJECT
public:
    explicit StaticText(QWidget* parent = nullptr);
};

// A lowered box: a dark-grey line on the left and top, a white one on the
// right and bottom, the inside left unpainted. Used as a sunken divider.
class Bevel : public QWidget {
    Q_OBJECT
public:
    explicit Bevel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A JPEG picture drawn at its natural size from the top-left corner and
// clipped to the control; what it does not cover shows the window behind.
// `source` names a file or a resource (":/designs/x.jpg"). The header is
// read when the source is set, so a missing or non-JPEG file is known at
// once (error()); the pixels are decoded the first time they are needed.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString source READ source WRITE setSource)
public:
    explicit Picture(QWidget* parent = nullptr);

    QString source() const { return source_; }
    void setSource(const QString& source);

    // Empty when the source is a readable JPEG.
    QString error() const { return error_; }
    QSize naturalSize() const { return naturalSize_; }
    // Decodes on first use; a null image when the source is unusable.
    const QImage& image();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString source_;
    QByteArray data_;
    QSize naturalSize_;
    QImage image_;
    QString error_;
};

// The open list of ComboBox. Typed letters select, case-insensitively, the
// first entry that begins with everything typed so far; after a pause of
// more than 499 ms the next letter starts a new prefix.
class PrefixListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;
    static constexpr qint64 PauseMs = 499;

    void keyboardSearch(const QString& text) override;

private:
    QString prefix_;
    QElapsedTimer sinceLastKey_;
};

// A drop-down list without free text whose selection is never empty, with
// the typed-prefix selection of PrefixListView (open or closed) and 8
// visible rows.
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void usePrefixView();

    bool hasPrefixView_ = false;
};

// A one-line edit field without length limit that selects its whole text
// when entered with the keyboard, so typing replaces it.
class Edit : public QLineEdit {
    Q_OBJECT
public:
    explicit Edit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

}  // namespace ohmira::ui
