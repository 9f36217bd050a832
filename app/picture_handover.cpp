// The list of pictures a second start hands over, and its check.
#include "app/picture_handover.h"

#include <cstdlib>
#include <cstring>

#include "catalogue/zeroed_memory.h"

namespace {

uint16_t UnitAt(const uint8_t* bytes, size_t index) {
    return static_cast<uint16_t>(bytes[2 * index] | bytes[2 * index + 1] << 8);
}

}  // namespace

PictureHandover NewHandover() {
    return {static_cast<char16_t*>(AllocateZeroed(MAX_HANDOVER_UNITS, sizeof(char16_t))), 0};
}

void FreeHandover(PictureHandover& handover) {
    std::free(handover.units);
    handover = {nullptr, 0};
}

int32_t AddHandedPath(PictureHandover& handover, const char16_t* path) {
    size_t length = 0;
    while (path[length])
        ++length;
    // The path, its NUL and the list's closing NUL.
    if (!handover.units || length == 0 || handover.length + length + 2 > MAX_HANDOVER_UNITS)
        return 0;
    std::memcpy(handover.units + handover.length, path, length * sizeof(char16_t));
    handover.length += length + 1;
    return 1;
}

size_t HandoverBytes(const PictureHandover& handover) {
    return handover.length == 0 ? 0 : (handover.length + 1) * sizeof(char16_t);
}

int32_t IsPictureHandover(uint64_t tag, const void* data, size_t bytes) {
    if (tag != PICTURE_HANDOVER_TAG || !data || bytes < 2 * sizeof(char16_t) || bytes % 2 != 0 ||
        bytes > MAX_HANDOVER_BYTES)
        return 0;
    const uint8_t* block = static_cast<const uint8_t*>(data);
    const size_t units = bytes / 2;
    return UnitAt(block, 0) != 0 && UnitAt(block, units - 2) == 0 && UnitAt(block, units - 1) == 0;
}
