// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loads a window's design (a Qt Designer .ui file, usually embedded as a
// resource) into an existing window object, creating our own controls by
// class name. Any problem stops with a DesignError naming the design.

#include "ui/design_error.h"

#include <QString>
#include <QStringList>
#include <QUiLoader>
#include <QWidget>

class QIODevice;

namespace ohmira::ui {

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

// The control named `name` in `root`, of class T. Throws DesignError when the
// design lacks it or gives it another class.
template <class T>
T& control(QWidget& root, const char* name)
{
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr)
        designError(root, QStringLiteral("contrôle %1 (%2) introuvable")
                              .arg(QLatin1String(name),
                                   QLatin1String(T::staticMetaObject.className())));
    return *found;
}

}  // namespace ohmira::ui
