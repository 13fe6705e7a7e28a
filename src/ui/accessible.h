// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What screen readers (AT-SPI) see of our controls: labels whose text
// interface holds the text shown (headings when the design says so, result
// lines read with their text and details), colour lists labelled by their
// captions, pictures described by the design, the bevel as a separator,
// labels marked `accessibleAlert` as alerts, and plain windows as frames.

namespace ohmira::ui {

// Installs the accessibility factory for our controls. The application
// object calls it once, before any window exists.
void useAccessibleControls();

}  // namespace ohmira::ui
