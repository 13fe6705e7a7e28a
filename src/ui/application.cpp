// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include "core/erreurs.h"
#include "core/nombres.h"
#include "ui/accessible.h"

#include <QEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <stdexcept>

namespace ohmira::ui {

namespace {

// The message as the edit fields show the text it quotes: control
// characters but the tab (a pasted NUL...) as spaces, so the box says what
// the user sees in the field, and no NUL reaches a screen reader's bus.
QString asFieldsShowIt(QString text)
{
    for (QChar& c : text)
        if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    return text;
}

// Qt's box wraps only between words: a word wider than the box would be cut
// at its edge. Such a word gets a zero-width break opportunity between its
// letters, so the whole message can be read.
QString breakLongWords(const QString& text, const QFontMetrics& metrics, int width)
{
    constexpr QChar Break(0x200B);
    QString out;
    QTextBoundaryFinder words(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    for (qsizetype end = words.toNextBoundary(); end != -1; end = words.toNextBoundary()) {
        const QString word = text.mid(start, end - start);
        if (metrics.horizontalAdvance(word) <= width) {
            out += word;
        } else {
            QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
            qsizetype from = 0;
            for (qsizetype to = letters.toNextBoundary(); to != -1; to = letters.toNextBoundary()) {
                if (from > 0)
                    out += Break;
                out += word.mid(from, to - from);
                from = to;
            }
        }
        start = end;
    }
    return out;
}

}  // namespace

namespace {

// Before Qt starts: a screen between two whole scale factors (120 dpi fonts
// on a 96 dpi screen) keeps its pixels one to one, the designs' own rule
// scaling the fonts and controls by the text height (ui/fonts.h), so the
// pictures stay at their natural size, sharp, and the windows where their
// designs put them. A high-density screen (twice the pixels) still gets
// Qt's whole-number scaling, pixels doubled as the desktop doubles them.
int& beforeQt(int& argc)
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    return argc;
}

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(beforeQt(argc), argv)
{
    // Only the application name: a display name would be appended to every
    // window title on X11 ("Ohmira 1.1 — Ohmira").
    setApplicationName(QStringLiteral("Ohmira"));
    readDecimalSeparator();
    useAccessibleControls();
    // The program speaks French whatever the desktop's language, and so do
    // the texts Qt draws itself (edit and scroll bar menus, box buttons).
    // Without the translation installed they stay in English.
    if (qtFrench_.load(QStringLiteral("qtbase_fr"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&qtFrench_);
}

Application& Application::instance()
{
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    if (app == nullptr)
        throw std::logic_error("ohmira::ui::Application n'est pas créée");
    return *app;
}

void Application::readDecimalSeparator()
{
    // QLocale() is the system locale until someone calls QLocale::setDefault,
    // which this program never does (tests do, to pin theirs).
    // One character that cannot be mistaken for part of a number; any other
    // answer falls back to ".".
    const std::string point = QLocale().decimalPoint().toStdString();
    separator_ = separateurUtilisable(point) ? point : separateurOuPoint("");
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        readDecimalSeparator();
    return QApplication::event(event);
}

void Application::handlerFailed(std::exception_ptr error) noexcept
{
    std::string message;
    try {
        std::rethrow_exception(error);
    } catch (const Erreur& e) {
        message = e.message();
    } catch (const std::exception& e) {
        message = e.what();
    } catch (...) {
        message = "Erreur inconnue";
    }
    // Where the user was: the box takes the keyboard while it is up, and not
    // every window manager gives it back to the same window.
    const QPointer<QWidget> window = activeWindow();
    const QPointer<QWidget> focus = focusWidget();

    // The message quotes what the user typed: plain text, never markup.
    const QString text = asFieldsShowIt(QString::fromStdString(messageBoite(std::move(message))));
    QMessageBox box(QMessageBox::Critical, applicationName(), QString(), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        // Half the screen, at most 500 px: where Qt's box starts wrapping.
        const QScreen* screen = box.screen();
        const int width = std::min(screen ? screen->availableSize().width() / 2 : 500, 500);
        box.setText(breakLongWords(text, label->fontMetrics(), width));
        label->setAccessibleName(text);  // read without the break marks
    } else {
        box.setText(text);
    }
    box.exec();

    if (window != nullptr && window->isVisible()) {
        window->activateWindow();
        if (focus != nullptr && focus->window() == window)
            focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    try {
        handled = QApplication::notify(receiver, event);
    } catch (...) {
        handlerFailed(std::current_exception());
    }
    return handled;
}

}  // namespace ohmira::ui
