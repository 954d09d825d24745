#pragma once
// JPEG through libjpeg-turbo's TurboJPEG interface, straight between the file's
// bytes and 32-bit pixels; several times faster than going through Qt's reader.

#include "platform/image.h"

#include <QByteArrayView>
#include <QImage>
#include <QSize>

#include <optional>

class QIODevice;

// Whether the bytes start like a JPEG file.
bool IsJpeg(QByteArrayView head);

// The picture's size from the file's header (before any EXIF turn); none when the
// header cannot be read.
std::optional<QSize> JpegHeaderSize(QByteArrayView jpeg);

// Decodes into an opaque RGB32 image, turned upright as its EXIF orientation says.
IoResult LoadJpeg(QByteArrayView jpeg, QImage& decoded);

// Encodes a 32-bit image (alpha ignored) with 4:2:0 chroma and writes it to out.
IoResult SaveJpeg(const QImage& image, int quality, QIODevice& out);
