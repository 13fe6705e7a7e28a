// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The font rule of the designs. They are drawn for 96 dots per inch, where
// the window font (8 points) is 11 pixels high with a text height of 13. A
// design gives font sizes in points at that resolution; the program shows
// the desktop's default sans-serif family at the matching pixel sizes
// (8 pt -> 11 px, 10 pt -> 13 px, 12 pt -> 16 px). When the desktop's font
// resolution differs, fonts and every control position and size are scaled
// by (text height there) / 13; a window's screen position is not.
//
// The layouts also assume the narrow letters of the font they were drawn
// with: "Nombre de LED en parallèle :" is 139 px wide at 11 px there, where
// common desktop sans-serifs take 145 to 161 px, enough to push the right
// half's results out of the window. So when the desktop family is wider, its
// width is narrowed to match (QFont::setStretch): a family with a condensed
// face (DejaVu Sans has one) shows that face, another is narrowed by Qt.

class QWidget;

namespace ohmira::ui {

// Scale factor for the current desktop: 1 at 96 dpi, else the text height
// of an 8-point font at the desktop's resolution divided by 13.
double fontScale();

// Pixel size of a design's point size at 96 dpi, scaled:
//   designPixelSize(8, 1.0) -> 11   designPixelSize(12, 1.0) -> 16
//   designPixelSize(8, 16.0 / 13) -> 14
int designPixelSize(int points, double scale);

// The stretch (percent, 75 to 100) that gives the desktop family the
// designs' letter widths; 100 when it is not wider.
int designStretch();

// Where the loader keeps a font the design gives a widget until it is
// turned into the font shown (a widget showing text with it first would load
// a font that is about to be replaced, at every start-up).
inline constexpr const char* DesignFontProperty = "ohmiraDesignFont";

// Gives every widget that has a design font (DesignFontProperty) that font,
// its point size turned into pixels, at `stretch`; and, when scale is not 1,
// scales the geometry of every control and the minimum and maximum sizes the
// design gave.
void applyDesignFonts(QWidget& root, double scale, int stretch);

}  // namespace ohmira::ui
