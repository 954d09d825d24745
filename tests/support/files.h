#pragma once
// Whole-file reads and writes for fixtures made by the tests.

#include <QByteArray>
#include <QString>

// Writes bytes as the whole file at path; fails the test if it cannot.
void WriteBytes(const QString& path, const QByteArray& bytes);
// The whole file, or nothing when it cannot be read.
QByteArray ReadBytes(const QString& path);
// The PNG file png with its header (and the header's checksum) claiming another size.
QByteArray PngClaimingSize(QByteArray png, int width, int height);

#include <sys/resource.h>

// Caps the size of files this process may write, so writes fail part way as on a
// full disk; works for root too, unlike permissions.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes);
    ~FileSizeCap();
    FileSizeCap(const FileSizeCap&) = delete;
    FileSizeCap& operator=(const FileSizeCap&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};
