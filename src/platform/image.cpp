#include "platform/image.h"

#include "platform/gif_writer.h"
#include "platform/jpeg_turbo.h"
#include "platform/png_writer.h"
#include "platform/qimage_view.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace {

constexpr int kAllocationLimitMb = 1024;
constexpr int kJpegQuality = 90;
constexpr int kBytesPerPixel = 4;

// Qt's default limit (256 MB) refuses large photos; a gigabyte still stops absurd headers.
void RaiseAllocationLimit()
{
    static const bool raised = [] {
        QImageReader::setAllocationLimit(kAllocationLimitMb);
        return true;
    }();
    Q_UNUSED(raised);
}

// Every image ends up with 32 bits a pixel, so that is what has to fit under the limit.
bool IsTooLarge(QSize size)
{
    const qint64 bytes = qint64(size.width()) * size.height() * kBytesPerPixel;
    return size.width() > CImage::kMaxSide || size.height() > CImage::kMaxSide ||
           bytes > qint64(kAllocationLimitMb) * 1024 * 1024;
}

QString TooLargeReason(QSize size)
{
    return QStringLiteral("The image is too large (%1 x %2 pixels).").arg(size.width()).arg(size.height());
}

IoResult OpenForReading(QFile& file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists()) return IoResult::Failure(QStringLiteral("The file does not exist."));
    if (info.isDir()) return IoResult::Failure(QStringLiteral("This is a folder, not an image file."));
    if (!file.open(QIODevice::ReadOnly))
        return IoResult::Failure(QStringLiteral("The file cannot be opened: %1.").arg(file.errorString()));
    return IoResult::Success();
}

IoResult ReadFailure(const QImageReader& reader)
{
    if (reader.error() == QImageReader::DeviceError)
        return IoResult::Failure(QStringLiteral("The file could not be read: %1.").arg(reader.errorString()));
    return IoResult::Failure(QStringLiteral("The image file is damaged or incomplete."));
}

// JPEG goes through TurboJPEG, which decodes several times faster than Qt's reader.
IoResult DecodeJpeg(QIODevice& device, QImage& decoded)
{
    const QByteArray jpeg = device.readAll();
    const std::optional<QSize> size = JpegHeaderSize(jpeg);
    if (!size) return IoResult::Failure(QStringLiteral("The image file is damaged or incomplete."));
    if (IsTooLarge(*size)) return IoResult::Failure(TooLargeReason(*size));
    return LoadJpeg(jpeg, decoded);
}

// The format comes from the content, so a renamed file still loads; the size is
// checked from the header before any pixel is decoded.
IoResult Decode(QIODevice& device, QImage& decoded)
{
    if (IsJpeg(device.peek(3))) return DecodeJpeg(device, decoded);
    static const QList<QByteArray> kReadableFormats = {"gif", "png", "bmp", "jpeg"};
    RaiseAllocationLimit();
    QImageReader reader(&device);
    reader.setAutoTransform(false);
    if (!reader.canRead() || !kReadableFormats.contains(reader.format()))
        return IoResult::Failure(QStringLiteral("The file is not an image Pavlix Maker can read."));
    if (const QSize size = reader.size(); IsTooLarge(size)) return IoResult::Failure(TooLargeReason(size));
    if (!reader.read(&decoded)) return ReadFailure(reader);
    // Qt's GIF reader reports the first frame's size but decodes the whole screen.
    if (IsTooLarge(decoded.size())) return IoResult::Failure(TooLargeReason(decoded.size()));
    return IoResult::Success();
}

QImage ConvertedFor(const QImage& image, CImage::Kind kind)
{
    if (kind == CImage::Kind::Page) return ComposedOverWhite(image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QRgb BlendedOverWhite(QRgb pixel)
{
    const int alpha = qAlpha(pixel);
    const auto blend = [alpha](int channel) { return (channel * alpha + 255 * (255 - alpha) + 127) / 255; };
    return qRgb(blend(qRed(pixel)), blend(qGreen(pixel)), blend(qBlue(pixel)));
}

IoResult CheckSaveTarget(const QString& path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.filePath());
    if (!folder.exists()) return IoResult::Failure(QStringLiteral("The folder %1 does not exist.").arg(folderName));
    if (!folder.isDir()) return IoResult::Failure(QStringLiteral("%1 is not a folder.").arg(folderName));
    if (target.isDir()) return IoResult::Failure(QStringLiteral("There is a folder with this name."));
    // The rename at the end would replace a device or pipe with a plain file.
    if (target.exists() && !target.isFile())
        return IoResult::Failure(QStringLiteral("The target is not a regular file (a device or a pipe)."));
    return IoResult::Success();
}

IoResult EncodeBmp(const QImage& image, QIODevice& out)
{
    QImageWriter writer(&out, "bmp");
    if (writer.write(image)) return IoResult::Success();
    return IoResult::Failure(QStringLiteral("The image could not be encoded: %1.").arg(writer.errorString()));
}

// Only PNG keeps alpha; the others get what a page would show.
IoResult Encode(const QImage& image, ImageFormat format, QIODevice& out)
{
    switch (format) {
    case ImageFormat::Gif: return WriteGif(image, out);
    case ImageFormat::Png: return WritePng(image, out);
    case ImageFormat::Jpeg: return SaveJpeg(ComposedOverWhite(image), kJpegQuality, out);
    case ImageFormat::Bmp: break;
    }
    return EncodeBmp(ComposedOverWhite(image), out);
}

// A write that stops part way leaves no cause in Qt 6.4; writing the rest once
// more fails at once and names it (disk full, file too large, ...).
IoResult WriteFailure(QSaveFile& file)
{
    if (file.isOpen()) file.flush();
    return IoResult::Failure(QStringLiteral("The file could not be written: %1.").arg(file.errorString()));
}

}  // namespace

QImage ComposedOverWhite(const QImage& image)
{
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage composed = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < composed.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(composed.scanLine(y));
        for (int x = 0; x < composed.width(); ++x) row[x] = BlendedOverWhite(row[x]);
    }
    composed.reinterpretAsFormat(QImage::Format_RGB32);
    return composed;
}

IoResult CImage::Load(const QString& path, Kind kind)
{
    QFile file(path);
    if (IoResult opened = OpenForReading(file); !opened) return opened;
    QImage decoded;
    if (IoResult read = Decode(file, decoded); !read) return read;
    QImage converted = ConvertedFor(decoded, kind);
    if (converted.isNull()) return IoResult::Failure(QStringLiteral("There is not enough memory for this image."));
    m_image = std::move(converted);
    return IoResult::Success();
}

// QSaveFile writes beside the target and renames on commit, so a failure at any
// point leaves an existing file as it was and no partial file behind.
IoResult CImage::Save(const QString& path, ImageFormat format) const
{
    if (m_image.isNull()) return IoResult::Failure(QStringLiteral("There is no image to save."));
    if (IoResult target = CheckSaveTarget(path); !target) return target;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return IoResult::Failure(QStringLiteral("The file cannot be created: %1.").arg(file.errorString()));
    const IoResult encoded = Encode(m_image, format, file);
    // A failing disk explains more than the encoder's own message.
    if (file.error() != QFileDevice::NoError) return WriteFailure(file);
    if (!encoded) return encoded;
    // Qt 6.4's commit() misses a failure of the last buffered write, hence the flush.
    if (!file.flush() || !file.commit()) return WriteFailure(file);
    return IoResult::Success();
}

raster::PixelView CImage::Pixels()
{
    if (m_image.isNull()) return {};
    return PixelViewOf(m_image);
}

void CImage::SetImage(const QImage& image, Kind kind)
{
    m_image = ConvertedFor(image, kind);
}
