// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/design_error.h"

#include <QVariant>
#include <QWidget>

namespace ohmira::ui {

QString windowLabel(const QWidget& window)
{
    const QString design = window.property(DesignProperty).toString();
    if (design.isEmpty())
        return window.objectName();
    if (window.objectName().isEmpty())
        return design;
    return QStringLiteral("%1 (%2)").arg(window.objectName(), design);
}

void designError(const QString& window, const QString& what)
{
    throw DesignError(QStringLiteral("Fenêtre %1 : %2").arg(window, what).toStdString());
}

void designError(const QWidget& window, const QString& what)
{
    designError(windowLabel(window), what);
}

}  // namespace ohmira::ui
