// SPDX-FileCopyrightText: 2026 Les développeurs d'Ohmira
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/jpeg.h"

#include <csetjmp>
#include <cstring>

#include <jpeglib.h>

#ifndef JCS_EXTENSIONS
#error "libjpeg-turbo's colour-space extensions are needed (JCS_EXT_BGRX)"
#endif

namespace ohmira::ui {

namespace {

// libjpeg reports a fatal error through error_exit, which must not return:
// we jump back to the setjmp in run(). Only libjpeg's C frames lie between,
// and run() keeps no C++ object alive across a libjpeg call.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf back;
    char message[JMSG_LENGTH_MAX];
};

extern "C" void exitOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->back, 1);
}

// Warnings (a truncated file, for one) are not errors: libjpeg goes on.
extern "C" void ignoreMessage(j_common_ptr, int) {}

struct Decoding {
    jpeg_decompress_struct info;
    ErrorManager manager;
    bool created = false;
    QSize size;
};

// Every libjpeg call of one decoding. The header only when `image` is null;
// otherwise the pixels too, as Format_RGB32. False when libjpeg gave up,
// with its message in d.manager.message.
bool run(Decoding& d, const QByteArray& data, QImage* image)
{
    if (setjmp(d.manager.back) != 0)
        return false;
    jpeg_create_decompress(&d.info);
    d.created = true;
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    d.size = QSize(static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height));
    if (image == nullptr)
        return true;

    *image = QImage(d.size, QImage::Format_RGB32);
    if (image->isNull()) {
        std::strcpy(d.manager.message, "image trop grande");
        return false;
    }
    d.info.out_color_space = JCS_EXT_BGRX;  // the byte order of Format_RGB32
    jpeg_start_decompress(&d.info);
    unsigned char* const pixels = image->bits();
    const auto stride = static_cast<std::size_t>(image->bytesPerLine());
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = pixels + stride * d.info.output_scanline;
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

// Runs one decoding and releases libjpeg's memory; the error text or empty.
QString decode(const QByteArray& data, QImage* image, QSize* size)
{
    if (data.isEmpty())
        return QStringLiteral("fichier vide");
    Decoding d;
    d.info.err = jpeg_std_error(&d.manager.base);
    d.manager.base.error_exit = exitOnError;
    d.manager.base.emit_message = ignoreMessage;
    d.manager.message[0] = '\0';
    const bool ok = run(d, data, image);
    if (d.created)
        jpeg_destroy_decompress(&d.info);
    if (!ok)
        return QString::fromLocal8Bit(d.manager.message);
    *size = d.size;
    return {};
}

}  // namespace

JpegHeader readJpegHeader(const QByteArray& data)
{
    JpegHeader header;
    header.error = decode(data, nullptr, &header.size);
    return header;
}

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    QImage image;
    QSize size;
    const QString message = decode(data, &image, &size);
    if (!message.isEmpty()) {
        if (error != nullptr)
            *error = message;
        return {};
    }
    return image;
}

}  // namespace ohmira::ui
