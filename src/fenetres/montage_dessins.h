// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the array window: a resistor with its colour bands, and the
// schematic of the array. Both are painted in logical units by plain
// functions, so the same strokes go to the screen at any size and density,
// to an SVG file and to a PNG picture.

#include "core/montage.h"

#include <QColor>
#include <QSizeF>
#include <QString>
#include <QWidget>

#include <optional>
#include <string_view>
#include <vector>

class QPainter;
class QRectF;

namespace dessins {

// One string as drawn: its LEDs and the value written beside its resistor.
struct Colonne {
    int leds = 0;
    QString valeur;  // "330 Ohms"
};

// What the schematic shows. A long row of identical strings is cut short: the
// first ones, an ellipsis and the count ("× 1666"); a long string shows its
// first LEDs, a dotted gap, its last LED and its count.
struct Schema {
    QString alimentation;  // "12 V" or "12 V (11,5 à 14,4 V)"
    QColor couleurLed;
    std::vector<Colonne> colonnes;
    int ellipseApres = -1;  // the ellipsis follows this column, -1 for none
    QString marque;         // "× 1666" under the ellipsis
    QString description;    // the whole array in words, for screen readers and files
};

// Index of the LED list: 0 to 8 the core's colours, anything else a LED of
// the user's own.
Schema planSchema(const ohmira::ResultatMontage& r, int couleur, std::string_view separateur);

// The schematic's own size in logical units (pixels at scale 1).
QSizeF tailleSchema(const Schema& schema);

// Draws the schematic scaled to fit `cible`, centred, proportions kept; all
// in grey when `grise` (results no longer matching the fields).
void dessinerSchema(QPainter& p, const QRectF& cible, const Schema& schema, bool grise);

// The same painted for a file: SVG through Qt SVG, or PNG at twice the
// schematic's own size. Empty when the format cannot be written.
QByteArray schemaSvg(const Schema& schema);
QByteArray schemaPng(const Schema& schema);
inline constexpr int EchellePng = 2;

// The colour of a band named as the core names it ("marron", "or"...).
QColor couleurBande(std::string_view nom);

// The value "to buy" as a resistor body with its bands.
class VueBandes : public QWidget {
    Q_OBJECT
public:
    explicit VueBandes(QWidget* parent = nullptr);
    void setBandes(const std::optional<ohmira::BandesCouleur>& bandes);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QColor> couleurs_;
};

// The schematic on screen, filling its space.
class VueSchema : public QWidget {
    Q_OBJECT
public:
    explicit VueSchema(QWidget* parent = nullptr);
    void setSchema(Schema schema);
    const Schema& schema() const { return schema_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return {240, 160}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Schema schema_;
};

// Screen readers see both drawings as pictures with their name and
// description, not as empty panes. Installed once, before the first drawing.
void installerAccessibilite();

}  // namespace dessins
