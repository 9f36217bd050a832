// Zero-filled heap blocks for the catalogue's strings and arrays. Running out
// of memory ends the process at once: no caller could go on without the block,
// and none of them has a way to report it.
#pragma once

#include <cstddef>
#include <cstdlib>

inline void* AllocateZeroed(size_t count, size_t elementSize) {
    void* block = std::calloc(count, elementSize);  // calloc also refuses a product that overflows
    if (!block)
        std::abort();
    return block;
}
