// Writes the starting corpus of every fuzz target into the folder given:
// small image files of every format for the loader, and short byte strings
// for the targets that build their input from bytes.

#include "platform/image.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <random>

namespace {

QImage Gradient(int w, int h, QImage::Format format)
{
    QImage image(w, h, format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(x * 40, y * 60, (x + y) * 20, 255 - x * 30));
    return image;
}

bool SaveImages(const QDir& dir)
{
    struct Seed { const char* name; QImage image; ImageFormat format; };
    const Seed seeds[] = {
        {"page.png", Gradient(4, 3, QImage::Format_RGB32), ImageFormat::Png},
        {"alpha.png", Gradient(5, 4, QImage::Format_ARGB32), ImageFormat::Png},
        {"page.bmp", Gradient(3, 5, QImage::Format_RGB32), ImageFormat::Bmp},
        {"page.gif", Gradient(6, 2, QImage::Format_RGB32), ImageFormat::Gif},
        {"dot.gif", Gradient(1, 1, QImage::Format_RGB32), ImageFormat::Gif},
        {"page.jpg", Gradient(8, 8, QImage::Format_RGB32), ImageFormat::Jpeg},
    };
    for (const Seed& seed : seeds) {
        CImage image;
        image.SetImage(seed.image, CImage::Kind::Picture);
        if (const IoResult saved = image.Save(dir.filePath(seed.name), seed.format); !saved) {
            std::fprintf(stderr, "make_seeds: %s: %s\n", seed.name, qPrintable(saved.reason));
            return false;
        }
    }
    // Depths our own writer never produces.
    const QImage grey = Gradient(4, 4, QImage::Format_RGB32).convertToFormat(QImage::Format_Grayscale8);
    const QImage indexed = Gradient(4, 4, QImage::Format_RGB32).convertToFormat(QImage::Format_Indexed8);
    return grey.save(dir.filePath("grey.jpg")) && indexed.save(dir.filePath("indexed.png")) &&
           indexed.save(dir.filePath("indexed.bmp"));
}

// count files of size bytes each, deterministic; the last byte (read first by
// FuzzedDataProvider) is the file's number, so every operation gets a seed.
bool SaveBytes(const QDir& dir, int count, int size)
{
    std::mt19937 random(20240601);
    for (int i = 0; i < count; ++i) {
        QByteArray bytes(size, '\0');
        for (char& byte : bytes) byte = char(random());
        bytes[size - 1] = char(i);
        QFile file(dir.filePath(QStringLiteral("seed%1").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != size) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <corpus folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const char* target : {"load", "gif_roundtrip", "raster", "tracker"})
        if (!root.mkpath(target)) return 1;
    const bool made = SaveImages(QDir(root.filePath("load"))) && SaveBytes(QDir(root.filePath("gif_roundtrip")), 6, 700) &&
                      SaveBytes(QDir(root.filePath("raster")), 11, 300) && SaveBytes(QDir(root.filePath("tracker")), 8, 200);
    return made ? 0 : 1;
}
