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
// The rule, as measured with the loader: it reads the headers, the colour
// table (the count in the header, at most 256; 2^bits when it is 0 and the
// depth is 8 bits or less; three masks more for bit fields), then the pixels
// from the offset in the file header, or from right after the table when that
// offset is 0: |height| rows of ((width * bits + 31) / 32) * 4 bytes, or the
// image size in the header for run-length data. Bytes past the end of the
// file up to the end of its last 4 KiB page read as zeros, so a file a few
// bytes short loads with its last rows black; one byte beyond faults.
// Refused as well, though the loader could read them without a fault: a
// header of another size than 12, 40, 108 or 124 bytes, a width outside 1 to
// 65535 and a height of 0 (none of them loads), a pixel offset inside the
// file header (a 64-bit loader reads it 4 GiB away), and rows cut off from a
// top-down file (Windows reads them, Wine does not).
int32_t FitsDeclaredLayout(const uint8_t* head, size_t headLength, uint64_t fileLength);
