#include "support/pixel_pages.h"

#include "platform/qimage_view.h"

#include <magick/MagickCore.h>

#include <functional>
#include <string_view>

namespace pixelbench {

QImage BlankPage(int w, int h)
{
    QImage page(w, h, QImage::Format_RGB32);
    page.fill(Qt::white);
    return page;
}

QImage FlyerPage(int w, int h)
{
    QImage page = BlankPage(w, h);
    const raster::PixelView v = PixelViewOf(page);
    for (int k = 0; k < 12; ++k) {
        const CRect block(w / 20 + k * w / 14, h / 10 + (k % 3) * h / 4, w / 20 + k * w / 14 + w / 18, h / 10 + (k % 3) * h / 4 + h / 6);
        raster::FillRect(v, block, 0xFF000000u | uint32_t(k * 0x151A1F));
        raster::FrameRect(v, block + CPoint(0, h / 5), 0xFF202020u);
        raster::DrawEllipse(v, block + CPoint(w / 40, h / 8), 0xFFC03020u);
    }
    return page;
}

QImage CorridorPage(int w, int h)
{
    QImage page(w, h, QImage::Format_RGB32);
    page.fill(Qt::black);
    const raster::PixelView v = PixelViewOf(page);
    for (int x = 0; x < w; x += 2) {
        raster::FillRect(v, CRect(x, 0, x + 1, h), 0xFFFFFFFFu);
        const int gapRow = (x / 2) % 2 == 0 ? h - 1 : 0;  // the turn into the next column
        raster::SetPixel(v, CPoint(x + 1, gapRow), 0xFFFFFFFFu);
    }
    return page;
}

QImage PlasmaPage(int w, int h)
{
    ExceptionInfo* exception = AcquireExceptionInfo();
    ImageInfo* info = AcquireImageInfo();
    CopyMagickString(info->filename, "plasma:fractal", MaxTextExtent);
    const QByteArray size = QByteArray::number(w) + 'x' + QByteArray::number(h);
    CloneString(&info->size, size.constData());
    Image* plasma = ReadImage(info, exception);
    QImage page(w, h, QImage::Format_RGB32);
    if (plasma)
        ExportImagePixels(plasma, 0, 0, w, h, "BGRA", CharPixel, page.bits(), exception);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(page.scanLine(y));
        for (int x = 0; x < w; ++x) row[x] |= 0xFF000000u;
    }
    if (plasma) DestroyImage(plasma);
    DestroyImageInfo(info);
    DestroyExceptionInfo(exception);
    return page;
}

size_t PageHash(const QImage& page)
{
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(page.constBits()), size_t(page.sizeInBytes())));
}

void StartImageMagick()
{
    MagickCoreGenesis("pixels_bench", MagickFalse);
    SetMagickResourceLimit(ThreadResource, 1);
}

_Image* MagickImageOf(const QImage& page)
{
    ExceptionInfo* exception = AcquireExceptionInfo();
    Image* image = ConstituteImage(size_t(page.width()), size_t(page.height()), "BGRA", CharPixel, page.constBits(), exception);
    DestroyExceptionInfo(exception);
    return image;
}

bool MagickFloodFill(_Image* image, int x, int y, const char* color)
{
    ExceptionInfo* exception = AcquireExceptionInfo();
    DrawInfo* draw = AcquireDrawInfo();
    MagickPixelPacket target;
    GetMagickPixelPacket(image, &target);
    bool ok = QueryColorDatabase(color, &draw->fill, exception) &&
              GetOneVirtualMagickPixel(image, x, y, &target, exception) &&
              FloodfillPaintImage(image, DefaultChannels, draw, &target, x, y, MagickFalse);
    ok = ok && exception->severity == UndefinedException && image->exception.severity == UndefinedException;
    DestroyDrawInfo(draw);
    DestroyExceptionInfo(exception);
    return ok;
}

bool MagickSample(const _Image* image)
{
    ExceptionInfo* exception = AcquireExceptionInfo();
    Image* sample = SampleImage(image, 132, 132, exception);
    const bool ok = sample != nullptr;
    if (sample) DestroyImage(sample);
    DestroyExceptionInfo(exception);
    return ok;
}

void DestroyMagickImage(_Image* image)
{
    if (image) DestroyImage(image);
}

}  // namespace pixelbench
