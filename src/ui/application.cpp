#include "ui/application.h"

#include "core/erreurs.h"
#include "core/nombres.h"
#include "ui/accessible.h"

#include <QEvent>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>

#include <stdexcept>

namespace ohmira::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // Only the application name: a display name would be appended to every
    // window title on X11 ("Ohmira 1.1 — Ohmira").
    setApplicationName(QStringLiteral("Ohmira"));
    readDecimalSeparator();
    useAccessibleControls();
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

    QMessageBox box(QMessageBox::Critical, applicationName(),
                    QString::fromStdString(messageBoite(std::move(message))), QMessageBox::Ok);
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
