#pragma once
// The EXIF orientation of a JPEG file, and turning decoded pixels so the picture
// stands as the camera showed it.

#include <QByteArrayView>
#include <QImage>

// Orientation values as EXIF numbers them: 1 is upright, 2-4 mirror or turn half way,
// 5-8 swap the sides.
inline constexpr int kUprightOrientation = 1;

// The orientation tag of the first Exif APP1 segment; upright when there is none or
// the segment is damaged.
int JpegExifOrientation(QByteArrayView jpeg);

// image (32 bits a pixel) turned and mirrored as orientation asks; a copy of image
// for upright and for values outside 1-8.
QImage Oriented(const QImage& image, int orientation);
