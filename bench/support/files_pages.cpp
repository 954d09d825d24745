#include "support/files_pages.h"

#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>

#include <magick/MagickCore.h>

#include <cmath>
#include <cstring>

namespace files_bench {

QImage PhotoPage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const double u = double(x) / width, v = double(y) / height;
            const int grain = int(random.bounded(9)) - 4;
            const int r = int(128 + 90 * std::sin(6.0 * u + 2.0 * v)) + grain;
            const int g = int(120 + 80 * std::sin(4.0 * v - 3.0 * u * v + 1.0)) + grain;
            const int b = int(110 + 100 * std::cos(5.0 * (u - v))) + grain;
            row[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

QImage FlyerPage(int width, int height)
{
    QImage page(width, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawImage(QRect(width / 20, height / 5, width * 2 / 5, height * 2 / 5), PhotoPage(width * 2 / 5, height * 2 / 5));
    painter.fillRect(QRect(0, 0, width, height / 8), QColor(200, 30, 40));
    painter.fillRect(QRect(width / 2, height / 5, width * 9 / 20, height / 3), QColor(250, 220, 60));
    painter.setPen(QPen(QColor(20, 60, 160), 12));
    painter.drawRect(QRect(width / 40, height / 6, width * 19 / 20, height * 3 / 4));
    painter.setBrush(QColor(40, 160, 90));
    painter.drawEllipse(QRect(width * 3 / 5, height * 3 / 5, width / 4, height / 4));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height / 30);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int line = 0; line < 8; ++line)
        painter.drawText(QPoint(width / 20, height * 13 / 20 + line * height / 25),
                         QStringLiteral("Summer fair on the market square, Saturday %1 June, music and food").arg(line + 10));
    painter.setPen(Qt::white);
    font.setPixelSize(height / 12);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, width, height / 8), Qt::AlignCenter, QStringLiteral("SUMMER FAIR"));
    return page;
}

QImage NoisyPage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<quint32*>(image.scanLine(y));
        random.fillRange(row, width);
        for (int x = 0; x < width; ++x) row[x] |= 0xFF000000u;
    }
    return image;
}

bool WriteWithImageMagick(const QImage& image, const QString& path)
{
    static const bool started = [] {
        MagickCoreGenesis("files_bench", MagickFalse);
        return true;
    }();
    Q_UNUSED(started);
    ExceptionInfo* exception = AcquireExceptionInfo();
    // "BGRP": QImage's RGB32 bytes, the fourth one skipped, as an opaque page is.
    Image* magick = ConstituteImage(size_t(image.width()), size_t(image.height()), "BGRP", CharPixel,
                                    image.constBits(), exception);
    bool written = false;
    if (magick) {
        ImageInfo* info = CloneImageInfo(nullptr);
        const QByteArray name = path.toLocal8Bit();
        std::strncpy(magick->filename, name.constData(), MaxTextExtent - 1);
        written = WriteImage(info, magick) == MagickTrue;
        DestroyImageInfo(info);
        DestroyImage(magick);
    }
    DestroyExceptionInfo(exception);
    return written;
}

double Psnr(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.isNull() || x.size() != y.size()) return 0;  // a file that was not written, or not read
    double squared = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            const int dr = qRed(p[col]) - qRed(q[col]), dg = qGreen(p[col]) - qGreen(q[col]),
                      db = qBlue(p[col]) - qBlue(q[col]);
            squared += dr * dr + dg * dg + db * db;
        }
    }
    const double mean = squared / (3.0 * x.width() * x.height());
    return mean == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mean);
}

qint64 FileSize(const QString& path)
{
    return QFileInfo(path).size();
}

}  // namespace files_bench
