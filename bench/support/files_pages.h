#pragma once
// Test pages for the file benchmarks, and the ImageMagick reference writer.

#include <QImage>
#include <QString>

namespace files_bench {

constexpr int kPageWidth = 6000;
constexpr int kPageHeight = 4000;

// Soft gradients with a little grain, like a camera picture.
QImage PhotoPage(int width = kPageWidth, int height = kPageHeight);
// A white flyer: a photo block, coloured panels, frames, an ellipse and lines of text.
QImage FlyerPage(int width = kPageWidth, int height = kPageHeight);
// Every pixel random: nothing compresses.
QImage NoisyPage(int width = kPageWidth, int height = kPageHeight);

// Writes an opaque RGB32 image through MagickCore; the format follows the extension.
bool WriteWithImageMagick(const QImage& image, const QString& path);

// Peak signal-to-noise ratio of b against a over the three colour channels, in dB.
double Psnr(const QImage& a, const QImage& b);

qint64 FileSize(const QString& path);

}  // namespace files_bench
