#include "platform/exif_orientation.h"

#include <cstdint>
#include <optional>

namespace {

constexpr uint8_t kMarkerPrefix = 0xFF;
constexpr uint8_t kStartOfImage = 0xD8;
constexpr uint8_t kApp1 = 0xE1;
constexpr uint8_t kStartOfScan = 0xDA;
constexpr uint8_t kEndOfImage = 0xD9;
constexpr uint16_t kOrientationTag = 0x0112;
constexpr uint16_t kShortType = 3;
constexpr int kIfdEntrySize = 12;
constexpr QByteArrayView kExifHeader("Exif\0\0", 6);

// A bounds-checked reader over one TIFF block, in its byte order.
class TiffReader {
public:
    TiffReader(QByteArrayView bytes, bool bigEndian) : m_bytes(bytes), m_bigEndian(bigEndian) {}

    std::optional<uint32_t> Read(qsizetype offset, int size) const
    {
        if (offset < 0 || offset + size > m_bytes.size()) return std::nullopt;
        uint32_t value = 0;
        for (int i = 0; i < size; ++i) {
            const uint32_t byte = uint8_t(m_bytes[offset + (m_bigEndian ? i : size - 1 - i)]);
            value = (value << 8) | byte;
        }
        return value;
    }

private:
    QByteArrayView m_bytes;
    bool m_bigEndian;
};

int OrientationInTiff(QByteArrayView tiff)
{
    if (tiff.size() < 8) return kUprightOrientation;
    const bool bigEndian = tiff.startsWith("MM");
    if (!bigEndian && !tiff.startsWith("II")) return kUprightOrientation;
    const TiffReader reader(tiff, bigEndian);
    const std::optional<uint32_t> ifd = reader.Read(4, 4);
    const std::optional<uint32_t> count = ifd ? reader.Read(*ifd, 2) : std::nullopt;
    if (!count || reader.Read(2, 2) != 42u) return kUprightOrientation;
    for (uint32_t i = 0; i < *count; ++i) {
        const qsizetype entry = qsizetype(*ifd) + 2 + qsizetype(i) * kIfdEntrySize;
        if (reader.Read(entry, 2) != kOrientationTag) continue;
        if (reader.Read(entry + 2, 2) != kShortType) return kUprightOrientation;
        const std::optional<uint32_t> value = reader.Read(entry + 8, 2);
        return value && *value >= 1 && *value <= 8 ? int(*value) : kUprightOrientation;
    }
    return kUprightOrientation;
}

// Where the source pixel of destination (x, y) lies.
struct Mapping {
    bool swapSides;
    bool flipColumns;
    bool flipRows;
};

Mapping MappingFor(int orientation)
{
    static constexpr Mapping kMappings[] = {
        {false, false, false}, {false, true, false}, {false, true, true}, {false, false, true},
        {true, false, false},  {true, false, true},  {true, true, true},  {true, true, false}};
    return kMappings[orientation - 1];
}

// Goes tile by tile so that both images stay in the cache when the sides swap.
void Remap(const QImage& source, QImage& target, Mapping mapping)
{
    constexpr int kTile = 64;
    const int lastColumn = source.width() - 1;
    const int lastRow = source.height() - 1;
    for (int top = 0; top < target.height(); top += kTile) {
        for (int left = 0; left < target.width(); left += kTile) {
            for (int y = top; y < std::min(top + kTile, target.height()); ++y) {
                auto* row = reinterpret_cast<QRgb*>(target.scanLine(y));
                for (int x = left; x < std::min(left + kTile, target.width()); ++x) {
                    const int u = mapping.swapSides ? y : x;
                    const int v = mapping.swapSides ? x : y;
                    const int column = mapping.flipColumns ? lastColumn - u : u;
                    const int sourceRow = mapping.flipRows ? lastRow - v : v;
                    row[x] = reinterpret_cast<const QRgb*>(source.constScanLine(sourceRow))[column];
                }
            }
        }
    }
}

}  // namespace

int JpegExifOrientation(QByteArrayView jpeg)
{
    if (jpeg.size() < 4 || uint8_t(jpeg[0]) != kMarkerPrefix || uint8_t(jpeg[1]) != kStartOfImage)
        return kUprightOrientation;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && uint8_t(jpeg[at]) == kMarkerPrefix) {
        const uint8_t marker = uint8_t(jpeg[at + 1]);
        if (marker == kStartOfScan || marker == kEndOfImage) break;
        const qsizetype length = (qsizetype(uint8_t(jpeg[at + 2])) << 8) | uint8_t(jpeg[at + 3]);
        if (length < 2 || at + 2 + length > jpeg.size()) break;
        const QByteArrayView payload = jpeg.sliced(at + 4, length - 2);
        if (marker == kApp1 && payload.startsWith(kExifHeader))
            return OrientationInTiff(payload.sliced(kExifHeader.size()));
        at += 2 + length;
    }
    return kUprightOrientation;
}

QImage Oriented(const QImage& image, int orientation)
{
    Q_ASSERT(image.depth() == 32);
    if (orientation <= kUprightOrientation || orientation > 8) return image;
    const Mapping mapping = MappingFor(orientation);
    const QSize size = mapping.swapSides ? image.size().transposed() : image.size();
    QImage turned(size, image.format());
    if (!turned.isNull()) Remap(image, turned, mapping);
    return turned;
}
