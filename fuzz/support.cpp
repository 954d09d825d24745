#include "support.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

namespace fuzz {

void StartApplication()
{
    static int argc = 1;
    static char name[] = "pavlix_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Damaged files make the decoders talk on every input; that is expected here.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QApplication app(argc, argv);
}

MemoryFile::MemoryFile() : m_fd(memfd_create("pavlix_fuzz_input", 0))
{
    if (m_fd < 0) {
        std::perror("memfd_create");
        std::abort();
    }
    m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
}

MemoryFile::~MemoryFile() { close(m_fd); }

void MemoryFile::SetContent(const char* data, size_t size)
{
    if (ftruncate(m_fd, 0) != 0 || pwrite(m_fd, data, size, 0) != ssize_t(size)) {
        std::perror("memory file");
        std::abort();
    }
}

}  // namespace fuzz
