// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window tests share: a main() that creates the program's own
// application object under a pinned French locale, the program's window
// set, and a way to read and close the error box a step opens.

#include "led_image.h"
#include "led_pass.h"
#include "led_tableau.h"
#include "schema.h"
#include "ui/application.h"
#include "window_set.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// The tests read and write numbers the French way, whatever the machine's
// locale: the default locale is what the application reads at start-up.
#define OHMIRA_TEST_MAIN(TestClass)                                         \
    int main(int argc, char* argv[])                                        \
    {                                                                       \
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));     \
        ohmira::ui::Application app(argc, argv);                            \
        TestClass test;                                                     \
        return QTest::qExec(&test, argc, argv);                             \
    }

// The program's windows, created and wired as main() does, the main window
// shown and active.
struct Program {
    WindowSet windows;
    TForm1& Form1 = windows.main();
    TForm2& Form2 = windows.window<TForm2>();
    TForm3& Form3 = windows.window<TForm3>();
    TForm4& Form4 = windows.window<TForm4>();

    Program()
    {
        Form1.show();
        Form1.activateWindow();
        if (!QTest::qWaitForWindowActive(&Form1))
            qFatal("the main window did not become active");
    }
};

// Receives the pages the program asks the desktop to open; tests install it
// with QDesktopServices::setUrlHandler.
class Browser : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

// What the error box showed, if it came up.
struct ErrorBox {
    bool shown = false;
    QString caption;
    QString text;  // as read, without the box's invisible break marks
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QString readAs;  // what a screen reader says of the message
    bool wholeTextVisible = false;  // no line wider than the message's label
};

// Whether the label shows all its text: wrapped at its width as it wraps
// it, no line is wider than that width.
inline bool showsWholeText(const QLabel& label)
{
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::ManualWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    bool fits = true;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label.contentsRect().width());
        fits = fits && line.naturalTextWidth() <= label.contentsRect().width();
        height += line.height();
    }
    layout.endLayout();
    return fits && height <= label.contentsRect().height();
}

// Runs `step`; if it opens a message box (the error box is modal, so the
// step only returns once the box is closed), reads it and presses OK.
inline ErrorBox closeErrorBox(const std::function<void()>& step)
{
    ErrorBox seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible())
            return;
        poll.stop();
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        seen = {true,
                box->windowTitle(),
                box->text().remove(QChar(0x200B)),
                box->icon(),
                box->textFormat(),
                label != nullptr ? label->accessibleName() : QString(),
                label != nullptr && showsWholeText(*label)};
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    step();
    return seen;
}

// Runs `step` inside the application's event loop, as the program does, and
// returns the loop's exit status; -1 when the loop was still running after
// five seconds (then the test fails rather than hangs).
inline int statusAfter(const std::function<void()>& step)
{
    QTimer::singleShot(0, qApp, step);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    return QCoreApplication::exec();
}
