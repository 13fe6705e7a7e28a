// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application object: names the program, keeps the decimal separator of
// the user's locale up to date, and shows the one error box every failed
// event handler ends in.

#include <QApplication>
#include <QTranslator>

#include <exception>
#include <string>

namespace ohmira::ui {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    // The running application; the windows need it to report errors and to
    // read the separator. Throws std::logic_error when there is none.
    static Application& instance();

    // Decimal separator of the user's locale, one character (UTF-8), "."
    // when the locale's is not exactly one character. Read at start-up and
    // again on every QEvent::LocaleChange.
    const std::string& decimalSeparator() const { return separator_; }

    // Shows what escaped an event handler in the error box (modal, critical
    // icon, caption "Ohmira", the message with its final "." rule) and
    // returns once the user has closed it.
    void handlerFailed(std::exception_ptr error) noexcept;

    // Last net: an exception that got past the handler wrappers must not
    // unwind any further through Qt's dispatch.
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;

private:
    void readDecimalSeparator();

    std::string separator_ = ".";
    QTranslator qtFrench_;
};

}  // namespace ohmira::ui
