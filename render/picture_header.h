// The size of a picture file and a JPEG's EXIF orientation, read from the
// file's own header before any pixel is decoded, so that a picture too large
// for the process is refused before a decoder allocates it.
// No Windows header: it builds natively and for Windows.
#pragma once

#include <cstddef>
#include <cstdint>

enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Gif };

struct PictureHeader {
    PictureFormat format;
    int32_t width;        // as stored, before orientation: shown swapped with the
    int32_t height;       // height for orientations 5 to 8
    int32_t orientation;  // EXIF orientation 1 to 8 of a JPEG; 1 when absent, invalid, or not a JPEG
};

// The bytes of a file, read on demand: read(context, offset, buffer, length)
// gives the number of bytes read (fewer at the end of the file).
struct ByteSource {
    void* context;
    size_t (*read)(void* context, uint64_t offset, uint8_t* buffer, size_t length);
    uint64_t length;  // the file's length
};

constexpr int64_t MAX_PICTURE_PIXELS = 100000000;

// 1 when the file is a BMP, PNG, JPEG or GIF (told by its signature, not its
// name) whose header gives a size of at least 1x1 and at most
// MAX_PICTURE_PIXELS pixels; 0 otherwise, with width and height 0 (then
// header.format may still name the format).
//
// What is read: a BMP's core or info header (12, 40, 108 or 124 bytes; the
// height's sign is the row order); a PNG's IHDR, which must be the first
// chunk; a JPEG's marker segments from the start, each wholly within the
// file, up to the first frame header (SOF0-3, 5-7, 9-11, 13-15), and the
// first EXIF APP1 segment's IFD0 on the way; a GIF's logical screen (or, when
// it is 0 by 0, the first image's size) and its first image descriptor, which
// must exist and whose extent from the screen's origin counts against the
// limit too. A damaged EXIF block leaves the orientation 1 and the picture
// taken. Every read lies within the file, and a walk stops after a bounded
// number of segments, blocks or fill bytes.
int32_t ReadPictureHeader(const ByteSource& source, PictureHeader& header);
