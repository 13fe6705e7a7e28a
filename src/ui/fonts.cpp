// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QVariant>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ohmira::ui {

namespace {

constexpr double DesignDpi = 96.0;
constexpr int DesignTextHeight = 13;

int scaled(int value, double scale)
{
    return static_cast<int>(std::lround(value * scale));
}

QSize scaled(QSize size, double scale)
{
    // QWIDGETSIZE_MAX and other huge limits stay as they are.
    const auto one = [scale](int v) { return v >= QWIDGETSIZE_MAX ? v : scaled(v, scale); };
    return {one(size.width()), one(size.height())};
}

}  // namespace

double fontScale()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen != nullptr ? screen->logicalDotsPerInchY() : DesignDpi;
    if (std::abs(dpi - DesignDpi) < 0.5)
        return 1.0;
    // The text height of the window font there, measured the way the
    // design's 13 was: an 8-point font at that resolution.
    QFont font = QApplication::font();
    font.setPixelSize(static_cast<int>(std::lround(8.0 * dpi / 72.0)));
    return static_cast<double>(QFontMetrics(font).height()) / DesignTextHeight;
}

int designStretch()
{
    // Measured once per application font (each window's design asks), and
    // again when the desktop's font changes.
    static QString measured;
    static int stretch = 0;
    const QFont font = QApplication::font();
    if (stretch != 0 && font.key() == measured)
        return stretch;
    constexpr double DesignWidth = 139;  // of the text below, at 11 px
    // Measured with the application font, which the menus load anyway, and
    // brought to 11 px: widths grow in proportion to the size.
    const QFontMetricsF metrics(font);
    const double width =
        metrics.horizontalAdvance(QStringLiteral("Nombre de LED en parallèle :")) * 11.0 /
        QFontInfo(font).pixelSize();
    measured = font.key();
    stretch = width <= DesignWidth
                  ? 100
                  : std::max(75, static_cast<int>(std::lround(100.0 * DesignWidth / width)));
    return stretch;
}

int designPixelSize(int points, double scale)
{
    const double atDesign = std::round(points * DesignDpi / 72.0);
    return static_cast<int>(std::lround(atDesign * scale));
}

void applyDesignFonts(QWidget& root, double scale, int stretch)
{
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        // Only fonts the design set on this very widget; the others inherit.
        const QVariant designed = widget->property(DesignFontProperty);
        if (designed.isValid()) {
            QFont font = designed.value<QFont>();
            if (font.pointSize() > 0)
                font.setPixelSize(designPixelSize(font.pointSize(), scale));
            font.setStretch(stretch);
            widget->setFont(font);
            widget->setProperty(DesignFontProperty, QVariant());
        }
        if (scale == 1.0)
            continue;
        widget->setMinimumSize(scaled(widget->minimumSize(), scale));
        widget->setMaximumSize(scaled(widget->maximumSize(), scale));
        if (widget == &root) {
            widget->resize(scaled(widget->size(), scale));  // the stored client size
        } else if (!widget->isWindow()) {
            const QRect g = widget->geometry();
            widget->setGeometry(scaled(g.x(), scale), scaled(g.y(), scale),
                                scaled(g.width(), scale), scaled(g.height(), scale));
        }
    }
}

}  // namespace ohmira::ui
