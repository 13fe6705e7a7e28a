#pragma once
// JPEG decoding with libjpeg (decompression only), independent of Qt's
// image plugins.

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
