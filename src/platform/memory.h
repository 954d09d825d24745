#pragma once
// What the machine can hold: budgets for pages and history are set from it.

#include <cstdint>

// Installed physical memory in bytes.
int64_t PhysicalMemoryBytes();
