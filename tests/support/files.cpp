#include "support/files.h"

#include <gtest/gtest.h>

#include <QFile>

#include <csignal>

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace {

quint32 Crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBigEndian(QByteArray& bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i) bytes[offset + i] = char(value >> (24 - 8 * i));
}

}  // namespace

QByteArray PngClaimingSize(QByteArray png, int width, int height)
{
    constexpr int kIhdrType = 12, kIhdrWidth = 16, kIhdrHeight = 20, kIhdrCrc = 29;
    PutBigEndian(png, kIhdrWidth, quint32(width));
    PutBigEndian(png, kIhdrHeight, quint32(height));
    PutBigEndian(png, kIhdrCrc, Crc32(png.mid(kIhdrType, kIhdrCrc - kIhdrType)));
    return png;
}

FileSizeCap::FileSizeCap(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit capped{bytes, m_saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &capped);
}

FileSizeCap::~FileSizeCap()
{
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_savedHandler);
}
