#pragma once
// Loads a window's design (a Qt Designer .ui file, usually embedded as a
// resource) into an existing window object, creating our own controls by
// class name. Any problem stops with a DesignError naming the design.

#include <QString>
#include <QStringList>
#include <QUiLoader>
#include <QWidget>

#include <stdexcept>

class QIODevice;

namespace ohmira::ui {

class DesignError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// QUiLoader that
// - builds the design's root into the window object it is given (so a
//   TForm1 is the QMainWindow of led_pass.ui), its children inside it;
// - creates our control classes (ohmira::ui::Label, ...) by name and only a
//   short list of Qt classes; any other class is an error, where QUiLoader
//   would quietly fall back to a base class;
// - gives the push buttons Enter as a key that presses them (pressWithEnter);
// - never loads the Qt Designer plugins installed on the system (Debian's
//   pull in Qt Quick: milliseconds and megabytes at every start-up).
class DesignLoader : public QUiLoader {
    Q_OBJECT
public:
    DesignLoader();

    // Loads the design at `path` (":/designs/led_pass.ui") into `root`, then
    // applies the font rule (ui/fonts.h). Throws DesignError.
    void loadInto(QWidget& root, const QString& path);
    void loadInto(QWidget& root, QIODevice& design, const QString& name);

    QWidget* createWidget(const QString& className, QWidget* parent = nullptr,
                          const QString& name = QString()) override;

private:
    struct NoPluginPaths;
    explicit DesignLoader(NoPluginPaths&&);

    QWidget* root_ = nullptr;
    bool rootUsed_ = false;
    QStringList errors_;
};

// How error messages name a window: "Form1 (led_pass.ui)" once a design has
// been loaded into it, else its object name.
QString windowLabel(const QWidget& root);

// The control named `name` in `root`, of class T. Throws DesignError when the
// design lacks it or gives it another class.
template <class T>
T& control(QWidget& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        throw DesignError(QStringLiteral("Fenêtre %1 : contrôle %2 (%3) introuvable")
                              .arg(windowLabel(root), QLatin1String(name),
                                   QLatin1String(T::staticMetaObject.className()))
                              .toStdString());
    return *found;
}

}  // namespace ohmira::ui
