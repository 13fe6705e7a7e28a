// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// JPEG decoding with libjpeg (decompression only), independent of Qt's
// image plugins. Called directly, it reads a picture's size from its header
// alone, so a window knows its pictures' natural sizes at start-up and
// decodes each only when first painted; no plugin is looked up and loaded
// at start-up; and bad data is reported with libjpeg's own message.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace ohmira::ui {

struct JpegHeader {
    QSize size;     // natural size in pixels
    QString error;  // empty when the header reads
};

// Reads only the header: cheap, enough to tell a usable JPEG.
JpegHeader readJpegHeader(const QByteArray& data);

// The whole picture as QImage::Format_RGB32; a null image with *error set
// (libjpeg's own message) when the data does not decode.
QImage decodeJpeg(const QByteArray& data, QString* error);

}  // namespace ohmira::ui
