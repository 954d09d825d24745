// Any bytes, loaded as a page and as a picture, whatever format they claim.
// A load either succeeds with an image of the kind's pixel format within the
// size limits, or fails with a reason and leaves the image it had.

#include "support.h"

#include "platform/image.h"

#include <cstdlib>

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

void LoadAs(const QString& path, CImage::Kind kind, QImage::Format format)
{
    CImage image;
    image.SetImage(QImage(3, 2, QImage::Format_RGB32), kind);
    const QImage before = image.Image();
    const IoResult result = image.Load(path, kind);
    if (result) {
        Check(result.reason.isEmpty());
        Check(!image.IsNull() && image.Image().format() == format);
        Check(image.GetWidth() <= CImage::kMaxSide && image.GetHeight() <= CImage::kMaxSide);
    } else {
        Check(!result.reason.isEmpty());
        Check(image.Image().constBits() == before.constBits());
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static fuzz::MemoryFile file;
    file.SetContent(reinterpret_cast<const char*>(data), size);
    LoadAs(file.Path(), CImage::Kind::Page, QImage::Format_RGB32);
    LoadAs(file.Path(), CImage::Kind::Picture, QImage::Format_ARGB32);
    return 0;
}
