// A picture's pixels in memory as the platform-free pixel operations read and
// write them: rows from the top down, whatever order they are stored in.
// No Windows header.
#pragma once

#include <cstdint>

struct PixelRows {
    uint8_t* first;         // pixel (0, 0), the picture's top-left one
    int32_t rowStep;        // bytes from a row to the one below it; negative when stored bottom-up
    int32_t bytesPerPixel;  // 3 (bytes B, G, R) or 4 (B, G, R and one unused)
    int32_t width;
    int32_t height;

    uint8_t* Row(int32_t y) const { return first + static_cast<intptr_t>(y) * rowStep; }
};
