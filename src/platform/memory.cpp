#include "platform/memory.h"

#include <unistd.h>

int64_t PhysicalMemoryBytes()
{
    return int64_t(sysconf(_SC_PHYS_PAGES)) * int64_t(sysconf(_SC_PAGESIZE));
}
