// The check that a picture file holds what its headers declare, made before
// the file reaches the system's loader: the loader maps the file and reads as
// far as the headers say, and a read past the file's last page is a fault.
// No Windows header: it builds natively and for Windows.
#pragma once

#include <cstddef>
#include <cstdint>

// The file's first bytes that the check reads: the file header and the info
// header up to its colour count.
constexpr size_t PICTURE_HEAD_SIZE = 54;

// 1 when everything the loader reads of this file lies within the pages the
// file occupies; 0 for a file it must not be handed. head holds the file's
// first headLength bytes (PICTURE_HEAD_SIZE, or the whole of a shorter file);
// bytes past them read as zero, as past the end of a mapped file.
//
// What the loader reads: the headers and the colour table (the header's
// colour count, at most 256, or 2^bits at 8 bits or fewer when the count is
// 0; three masks more for bit fields), then the pixels from the file header's
// offset, or from right after the table when that offset is 0: |height| rows
// of ((width * bits + 31) / 32) * 4 bytes, or the header's image size for
// run-length data. Past the end of the file the bytes up to the end of its
// last 4 KiB page read as zeros, so a file a few bytes short loads with its
// last rows black; a read beyond that page faults.
// Refused too, though the loader may not fault on them: a header of another
// size than 12, 40, 108 or 124 bytes, a width outside 1 to 65535 or a height
// of 0 (none of these loads), a pixel offset inside the file header (a 64-bit
// loader reads 4 GiB away), a top-down file short of rows (Windows reads
// them), and run-length data whose image size reaches past the last page
// though its end-of-bitmap mark comes sooner.
int32_t FitsDeclaredLayout(const uint8_t* head, size_t headLength, uint64_t fileLength);

// Where a BMP file's pixel rows lie, as its headers declare them.
struct DeclaredPixels {
    uint64_t start;  // the file offset of the first stored row
    int32_t width;
    int32_t height;  // negative when the rows are stored top-down
    // 3 or 4 where each pixel is stored as bytes B, G, R (and one unused
    // byte), as a section of 24 or 32 bits holds them; 0 for any other layout.
    uint32_t plainBytesPerPixel;
};

// The width and |height| that a BMP's headers declare, from its first
// headLength bytes: 1 when they hold the size's fields whole and the header
// is one FitsDeclaredLayout takes (its kind, a width of 1 to 65535, a height
// other than 0), whatever the file's length.
int32_t DeclaredBmpSize(const uint8_t* head, size_t headLength, int64_t& width, int64_t& height);

// FitsDeclaredLayout, and where it gives 1, pixels filled in.
int32_t ReadDeclaredPixels(const uint8_t* head, size_t headLength, uint64_t fileLength, DeclaredPixels& pixels);
