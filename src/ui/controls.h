// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The controls the designs use where Qt's own do not behave as the windows
// need. Each is created by name from a design (see ui/design_loader.h).
//
// Labels (not static texts), pictures and bevels are drawn on their
// window's surface: where they overlap a control with a window of its own (a
// static text, a field, a list, a button), that control stays above them.
//
// Screen readers: every control takes the design's accessibleName and
// accessibleDescription. Label, StaticText, Picture, Bevel and ComboBox also
// say what they are themselves (see each class), and so does a window that
// is a plain QWidget (a "frame", where Qt would leave it a mere "filler").

#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QWidget>

class QPushButton;

namespace ohmira::ui {

// Enter and keypad Enter press the button while it has the focus, as Space
// does (Qt leaves that to dialogs' default buttons).
void pressWithEnter(QPushButton& button);

// One line of text on an opaque background (the window colour), sized to
// its text: a longer text widens it to the right, its left edge stays. (It
// measures itself from the time it is polished, just before it first shows.)
//
// To assistive technologies it is a label (a heading when the design sets
// the dynamic property accessibleHeading) whose text interface always holds
// the text shown. Its name is the design's accessibleName, else the text
// itself. A label with a name of its own and no buddy (a result line:
// "Résistance calculée...") has as its description, unless the design gives
// one, the text shown followed by its tooltip, so a screen reader says what
// the line is, what it says and what the mouse would show; other labels
// describe themselves with their tooltip, as Qt's do. The dynamic property
// `buddy` names the sibling control it is the caption of.
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
// right and bottom, the inside left unpainted. Used as a sunken divider, and
// a separator to assistive technologies.
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
// To assistive technologies it is an image described by the design's
// accessibleName and accessibleDescription (reading it decodes nothing).
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
//
// To assistive technologies its name is the entry shown, as Linux screen
// readers expect of a drop-down list; what the list is for is said by the
// Label whose dynamic property `buddy` names it (a "labelled by" relation).
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    // The open list's view, built on first use.
    QAbstractItemView* listView();

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
