#pragma once
// Shared by the fuzz targets: one off-screen application for the whole run, and
// a file in memory, so that loading goes through the same path as a real file.

#include <QByteArray>
#include <QString>

namespace fuzz {

// Makes the off-screen QApplication once; call from LLVMFuzzerInitialize.
void StartApplication();

// A file that lives in memory; its path opens like any other file.
class MemoryFile {
public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // Replaces the whole content; aborts if the kernel refuses, which is no finding.
    void SetContent(const char* data, size_t size);
    void SetContent(const QByteArray& data) { SetContent(data.constData(), size_t(data.size())); }
    const QString& Path() const { return m_path; }

private:
    int m_fd = -1;
    QString m_path;
};

}  // namespace fuzz
