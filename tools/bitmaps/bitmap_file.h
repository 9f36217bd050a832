// The one writer of Windows bitmap files, for the sample-picture generator,
// the tests and the benchmark: every depth the system loads (1, 4, 8, 16, 24
// and 32 bits per pixel), bottom-up or top-down, from a pixel function; with
// the core, info, V4 or V5 header, run-length data at 4 and 8 bits, bit fields
// at 16 and 32 bits, and any colour count in the header. No Windows header: it
// builds natively and for Windows.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A colour value as the system gives it: red in bits 0-7, green 8-15, blue 16-23.
using Colour = uint32_t;
using PixelFunction = std::function<Colour(int32_t x, int32_t y)>;

constexpr Colour MakeColour(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}
constexpr uint32_t RedOf(Colour colour) {
    return colour & 0xFF;
}
constexpr uint32_t GreenOf(Colour colour) {
    return colour >> 8 & 0xFF;
}
constexpr uint32_t BlueOf(Colour colour) {
    return colour >> 16 & 0xFF;
}

struct BitmapLayout {
    int32_t width = 1;
    int32_t height = 1;
    int32_t bitsPerPixel = 24;             // 1, 4, 8, 16 (5-5-5), 24 or 32
    PixelFunction pixel;                   // at 8 bits or fewer: the nearest colour-table entry is stored
    bool topDown = false;                  // rows stored top row first (negative height in the header)
    std::vector<Colour> colourTable = {};  // at 8 bits or fewer; empty: DefaultColourTable
    int32_t headerSize = 40;               // 12 (core: no top-down, a full colour table), 40, 108 or 124
    bool runLength = false;                // RLE8 or RLE4 at 8 or 4 bits, bottom-up: runs of one colour
    int32_t declaredColours = -1;          // the colour count in an info header; -1: the table's size
    // Red, green and blue masks of BI_BITFIELDS at 16 or 32 bits, each of 1 to
    // 8 contiguous bits; all zero: BI_RGB.
    std::array<uint32_t, 3> masks = {};
};

// The colour table written for 1, 4 and 8 bits per pixel (empty above that):
// black and white; the sixteen classic colours; a 6x6x6 cube with 40 greys.
std::vector<Colour> DefaultColourTable(int32_t bitsPerPixel);

// The colour that a bitmap of this layout holds for colour: the nearest table
// entry, 5 bits a channel at 16 bits (read back as (v << 3) | (v >> 2)), exact above;
// with bit fields, each channel's bits read back so.
Colour StoredColour(const BitmapLayout& layout, Colour colour);

// Bytes of the whole file: file header, info header, colour table, pixel rows.
std::string BitmapFileBytes(const BitmapLayout& layout);
// Where the pixel rows begin in those bytes.
int32_t PixelDataOffset(const BitmapLayout& layout);

// Writes bytes to path; true on success.
bool WriteBytes(const std::string& path, const std::string& bytes);
bool WriteBitmapFile(const std::string& path, const BitmapLayout& layout);

// A picture with a different colour at nearly every pixel, so that a pixel
// taken from the wrong place shows.
Colour PatternPixel(int32_t x, int32_t y);
PixelFunction SolidPixel(Colour colour);
