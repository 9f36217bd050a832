// Decoding PNG, JPEG and GIF files with the system's imaging component.
#pragma once

#include <cstdint>

// Pixels of 4 bytes (B, G, R, 0), rows from the top down, width * 4 bytes
// each; the block is the caller's, freed with std::free.
struct DecodedPicture {
    uint8_t* bits;
    int32_t width;
    int32_t height;
};

// Decodes the first frame of the picture file at path, transparent pixels
// laid over white. 0, with nothing allocated, when the file does not decode
// or its frame is larger than a picture may be.
int32_t DecodeWithImagingComponent(const char* path, DecodedPicture& decoded);
