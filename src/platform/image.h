#pragma once
// An image held in memory: a page (always opaque 32-bit) or a placed picture
// (32-bit with alpha). Loading and saving report a reason instead of failing silently.

#include "platform/raster.h"

#include <QImage>
#include <QString>

enum class ImageFormat { Jpeg, Gif, Bmp, Png };

struct IoResult {
    bool ok = false;
    QString reason;  // empty on success; a short human sentence otherwise

    static IoResult Success() { return {true, {}}; }
    static IoResult Failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

class CImage {
public:
    // A page is opaque: transparent pixels of the file are composed over white.
    // A picture keeps its alpha channel.
    enum class Kind { Page, Picture };

    // Sides above this, or images Qt will not allocate, are refused with a reason.
    static constexpr int kMaxSide = 32767;

    IoResult Load(const QString& path, Kind kind = Kind::Page);
    IoResult Save(const QString& path, ImageFormat format) const;

    bool IsNull() const { return m_image.isNull(); }
    int GetWidth() const { return m_image.width(); }
    int GetHeight() const { return m_image.height(); }

    // The bits to draw into; never shared with another QImage.
    raster::PixelView Pixels();
    const QImage& Image() const { return m_image; }
    // Takes over an image, converting it to this kind's pixel format.
    void SetImage(const QImage& image, Kind kind = Kind::Page);

private:
    QImage m_image;
};

// The image as an opaque RGB32 page: each pixel is blended over white by its alpha.
QImage ComposedOverWhite(const QImage& image);
