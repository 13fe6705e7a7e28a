// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design_loader.h"

#include "ui/controls.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>
#include <utility>

namespace ohmira::ui {

namespace {

struct Factory {
    const char* className;
    QWidget* (*create)(QWidget* parent);
};

template <class T>
Factory factory()
{
    return {T::staticMetaObject.className(), [](QWidget* parent) -> QWidget* {
                return new T(parent);
            }};
}

const std::array<Factory, 6>& ourControls()
{
    static const std::array<Factory, 6> controls = {
        factory<Label>(),    factory<StaticText>(), factory<Bevel>(),
        factory<Picture>(),  factory<ComboBox>(),   factory<Edit>(),
    };
    return controls;
}

// The Qt classes a design may use as they are. The laid-out windows use the
// plain field, list and box classes; the fixed-pixel ones keep our controls.
bool isPlainQtClass(const QString& className)
{
    static const std::array<QLatin1String, 11> names = {
        QLatin1String("QWidget"),     QLatin1String("QMainWindow"), QLatin1String("QMenuBar"),
        QLatin1String("QMenu"),       QLatin1String("QPushButton"), QLatin1String("QLabel"),
        QLatin1String("QLineEdit"),   QLatin1String("QComboBox"),   QLatin1String("QRadioButton"),
        QLatin1String("QGroupBox"),   QLatin1String("QScrollArea"),
    };
    for (const QLatin1String& name : names)
        if (className == name)
            return true;
    return false;
}

}  // namespace

// QUiLoader's constructor loads every plugin under "designer" in each of the
// application's library paths; there is no way to ask it not to. So the
// paths are emptied while it runs and given back right after.
struct DesignLoader::NoPluginPaths {
    QStringList saved = QCoreApplication::libraryPaths();
    NoPluginPaths() { QCoreApplication::setLibraryPaths({}); }
    ~NoPluginPaths() { QCoreApplication::setLibraryPaths(saved); }
};

DesignLoader::DesignLoader() : DesignLoader(NoPluginPaths()) {}

DesignLoader::DesignLoader(NoPluginPaths&&) : QUiLoader(nullptr)
{
    clearPluginPaths();
    // The designs are in French and shown as written: no lookup per string.
    setTranslationEnabled(false);
}

QWidget* DesignLoader::createWidget(const QString& className, QWidget* parent,
                                    const QString& name)
{
    // The design's root: the window object itself.
    if (parent == nullptr && root_ != nullptr && !rootUsed_) {
        rootUsed_ = true;
        if (!root_->inherits(className.toLatin1().constData())) {
            errors_ << QStringLiteral("la racine %1 est de classe %2, la fenêtre de classe %3")
                           .arg(name, className,
                                QLatin1String(root_->metaObject()->className()));
            return nullptr;
        }
        return root_;
    }
    for (const Factory& f : ourControls())
        if (className == QLatin1String(f.className))
            return f.create(parent);
    if (isPlainQtClass(className)) {
        QWidget* widget = QUiLoader::createWidget(className, parent, name);
        if (auto* button = qobject_cast<QPushButton*>(widget))
            pressWithEnter(*button);
        return widget;
    }
    errors_ << QStringLiteral("classe inconnue %1 (contrôle %2)").arg(className, name);
    return nullptr;
}

void DesignLoader::loadInto(QWidget& root, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        designError(path, file.errorString());
    loadInto(root, file, path);
}

void DesignLoader::loadInto(QWidget& root, QIODevice& design, const QString& name)
{
    root_ = &root;
    rootUsed_ = false;
    errors_.clear();
    root.setProperty(DesignProperty, QFileInfo(name).fileName());

    if (!design.isOpen() && !design.open(QIODevice::ReadOnly))
        designError(name, design.errorString());
    QByteArray ui = design.readAll();
    // The design's fonts are set aside (see DesignFontProperty) and given
    // their final form by applyDesignFonts() below.
    ui.replace(R"(<property name="font">)",
               QByteArray(R"(<property name=")") + DesignFontProperty + R"(" stdset="0">)");
    QBuffer buffer(&ui);
    QWidget* const loaded = load(&buffer, nullptr);
    if (loaded == nullptr && errors_.isEmpty())
        errors_ << errorString();
    if (loaded != nullptr && loaded != &root) {
        delete loaded;
        errors_ << QStringLiteral("la racine n'est pas la fenêtre");
    }
    for (const Picture* picture : root.findChildren<Picture*>())
        if (!picture->error().isEmpty())
            errors_ << QStringLiteral("%1 : %2").arg(picture->objectName(), picture->error());
    if (!errors_.isEmpty())
        designError(root, errors_.join(QStringLiteral(" ; ")));
    applyDesignFonts(root, fontScale(), designStretch());
}

}  // namespace ohmira::ui
