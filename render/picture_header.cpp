// The reading of a picture's size and orientation from its file's header.
#include "render/picture_header.h"

#include <algorithm>
#include <cstring>

#include "render/picture_file_check.h"

namespace {

// Reads are served from a window of the file, so that a walk over many small
// segments or blocks asks the source for a page at a time.
constexpr size_t WINDOW_SIZE = 4096;
// Segments, blocks and fill bytes a walk passes before it gives up.
constexpr int32_t MAX_STEPS = 65536;

constexpr uint8_t PNG_SIGNATURE[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint8_t JPEG_APP1 = 0xE1;
constexpr uint16_t EXIF_ORIENTATION_TAG = 0x0112;
constexpr uint16_t TIFF_SHORT = 3;
constexpr uint8_t GIF_IMAGE = 0x2C;
constexpr uint8_t GIF_EXTENSION = 0x21;

struct Reader {
    const ByteSource& source;
    uint64_t windowStart;
    size_t windowLength;
    uint8_t window[WINDOW_SIZE];
};

// Copies the length (at most WINDOW_SIZE) bytes at offset to out; 0 when the
// file ends before them.
int32_t ReadAt(Reader& reader, uint64_t offset, uint8_t* out, size_t length) {
    if (offset > reader.source.length)
        return 0;
    if (offset < reader.windowStart || offset + length > reader.windowStart + reader.windowLength) {
        const size_t wanted = static_cast<size_t>(std::min<uint64_t>(WINDOW_SIZE, reader.source.length - offset));
        reader.windowStart = offset;
        reader.windowLength = std::min(wanted,
                                       reader.source.read(reader.source.context, offset, reader.window, wanted));
        if (reader.windowLength < length)
            return 0;
    }
    std::memcpy(out, reader.window + (offset - reader.windowStart), length);
    return 1;
}

uint32_t Little16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}
uint32_t Little32(const uint8_t* p) {
    return Little16(p) | Little16(p + 2) << 16;
}
uint32_t Big16(const uint8_t* p) {
    return p[0] << 8 | p[1];
}
uint32_t Big32(const uint8_t* p) {
    return Big16(p) << 16 | Big16(p + 2);
}
uint32_t Ordered16(const uint8_t* p, bool bigEndian) {
    return bigEndian ? Big16(p) : Little16(p);
}
uint32_t Ordered32(const uint8_t* p, bool bigEndian) {
    return bigEndian ? Big32(p) : Little32(p);
}

// The size as the BMP layout check reads it.
int32_t ReadBmpSize(Reader& reader, int64_t& width, int64_t& height) {
    uint8_t head[PICTURE_HEAD_SIZE];
    const size_t length = static_cast<size_t>(std::min<uint64_t>(sizeof head, reader.source.length));
    return ReadAt(reader, 0, head, length) && DeclaredBmpSize(head, length, width, height);
}

int32_t ReadPngSize(Reader& reader, int64_t& width, int64_t& height) {
    uint8_t head[24];
    if (!ReadAt(reader, 0, head, sizeof head) || Big32(head + 8) != 13 || std::memcmp(head + 12, "IHDR", 4) != 0)
        return 0;
    width = Big32(head + 16);
    height = Big32(head + 20);
    return 1;
}

// The orientation in an APP1 segment's data: 0 when the segment is not an
// EXIF one; 1 when its orientation is absent or invalid, or its TIFF header or
// IFD0 does not lie wholly within the segment.
int32_t ExifOrientation(Reader& reader, uint64_t data, uint64_t length) {
    uint8_t head[14];
    if (length < sizeof head || !ReadAt(reader, data, head, sizeof head) || std::memcmp(head, "Exif\0\0", 6) != 0)
        return 0;
    const uint8_t* tiff = head + 6;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if ((!bigEndian && (tiff[0] != 'I' || tiff[1] != 'I')) || Ordered16(tiff + 2, bigEndian) != 42)
        return 1;
    const uint64_t tiffStart = data + 6, tiffLength = length - 6;
    const uint64_t ifd = Ordered32(tiff + 4, bigEndian);
    uint8_t field[12];
    if (!ReadAt(reader, tiffStart + ifd, field, 2))
        return 1;
    const uint32_t entries = Ordered16(field, bigEndian);
    if (ifd + 2 + 12 * uint64_t{entries} > tiffLength)
        return 1;
    for (uint32_t entry = 0; entry < entries; ++entry) {
        if (!ReadAt(reader, tiffStart + ifd + 2 + 12 * entry, field, 12))
            return 1;
        if (Ordered16(field, bigEndian) != EXIF_ORIENTATION_TAG)
            continue;
        const uint32_t value = Ordered16(field + 8, bigEndian);
        const bool oneShort = Ordered16(field + 2, bigEndian) == TIFF_SHORT && Ordered32(field + 4, bigEndian) == 1;
        return oneShort && value >= 1 && value <= 8 ? static_cast<int32_t>(value) : 1;
    }
    return 1;
}

bool IsFrameHeader(uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// TEM and RST0-7 stand alone, with no length.
bool IsStandalone(uint8_t marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

// Walks the marker segments from after SOI to the first frame header.
int32_t ReadJpegSize(Reader& reader, int64_t& width, int64_t& height, int32_t& orientation) {
    uint64_t at = 2;
    for (int32_t step = 0; step < MAX_STEPS; ++step) {
        uint8_t marker[4];
        if (!ReadAt(reader, at, marker, 2) || marker[0] != 0xFF)
            return 0;
        if (marker[1] == 0xFF) {  // a fill byte
            ++at;
            continue;
        }
        if (IsStandalone(marker[1])) {
            at += 2;
            continue;
        }
        // SOI, EOI, SOS or a stuffed zero before any frame header: damaged.
        if (marker[1] == 0x00 || (marker[1] >= 0xD8 && marker[1] <= 0xDA) || !ReadAt(reader, at + 2, marker + 2, 2))
            return 0;
        // The length counts its own two bytes (below 2 it wraps round to run
        // past any file's end); the segment lies within the file.
        const uint64_t data = at + 4, dataLength = Big16(marker + 2) - uint64_t{2};
        if (dataLength > reader.source.length - data)
            return 0;
        if (IsFrameHeader(marker[1])) {
            uint8_t frame[5];  // precision, height, width
            if (dataLength < 6 || !ReadAt(reader, data, frame, sizeof frame))
                return 0;
            height = Big16(frame + 1);
            width = Big16(frame + 3);
            return 1;
        }
        if (marker[1] == JPEG_APP1 && orientation == 0)
            orientation = ExifOrientation(reader, data, dataLength);
        at = data + dataLength;
    }
    return 0;
}

// The screen's size, or the first image's when the screen is 0 by 0, once
// the first image descriptor is found past the colour table and extensions.
int32_t ReadGifSize(Reader& reader, int64_t& width, int64_t& height) {
    uint8_t block[13];
    if (!ReadAt(reader, 0, block, 13))
        return 0;
    width = Little16(block + 6);
    height = Little16(block + 8);
    uint64_t at = 13 + ((block[10] & 0x80) != 0 ? 3u << ((block[10] & 7) + 1) : 0);
    bool inExtension = false;
    for (int32_t step = 0; step < MAX_STEPS; ++step) {
        if (!ReadAt(reader, at, block, 1))
            return 0;
        if (inExtension) {  // a sub-block's size; 0 ends the extension
            inExtension = block[0] != 0;
            at += 1 + block[0];
        } else if (block[0] == GIF_EXTENSION) {
            inExtension = true;
            at += 2;
        } else if (block[0] != GIF_IMAGE || !ReadAt(reader, at, block, 10)) {
            return 0;  // the trailer, or a damaged block, before any image
        } else {
            const int64_t left = Little16(block + 1), top = Little16(block + 3);
            const int64_t imageWidth = Little16(block + 5), imageHeight = Little16(block + 7);
            if ((left + imageWidth) * (top + imageHeight) > MAX_PICTURE_PIXELS)
                return 0;
            if (width == 0 && height == 0) {
                width = imageWidth;
                height = imageHeight;
            }
            return 1;
        }
    }
    return 0;
}

PictureFormat FormatOf(const uint8_t* signature) {
    if (signature[0] == 'B' && signature[1] == 'M')
        return PictureFormat::Bmp;
    if (std::memcmp(signature, PNG_SIGNATURE, sizeof PNG_SIGNATURE) == 0)
        return PictureFormat::Png;
    if (signature[0] == 0xFF && signature[1] == 0xD8)
        return PictureFormat::Jpeg;
    if (std::memcmp(signature, "GIF87a", 6) == 0 || std::memcmp(signature, "GIF89a", 6) == 0)
        return PictureFormat::Gif;
    return PictureFormat::Unknown;
}

int32_t ReadSize(Reader& reader, PictureFormat format, int64_t& width, int64_t& height, int32_t& orientation) {
    switch (format) {
    case PictureFormat::Bmp: return ReadBmpSize(reader, width, height);
    case PictureFormat::Png: return ReadPngSize(reader, width, height);
    case PictureFormat::Jpeg: return ReadJpegSize(reader, width, height, orientation);
    case PictureFormat::Gif: return ReadGifSize(reader, width, height);
    case PictureFormat::Unknown: break;
    }
    return 0;
}

}  // namespace

int32_t ReadPictureHeader(const ByteSource& source, PictureHeader& header) {
    header = {PictureFormat::Unknown, 0, 0, 1};
    Reader reader{source, 0, 0, {}};
    uint8_t signature[sizeof PNG_SIGNATURE] = {};
    if (!ReadAt(reader, 0, signature, static_cast<size_t>(std::min<uint64_t>(sizeof signature, source.length))))
        return 0;
    header.format = FormatOf(signature);
    int64_t width = 0, height = 0;
    int32_t orientation = 0;  // 0 until an EXIF segment is found
    if (!ReadSize(reader, header.format, width, height, orientation) || width < 1 || height < 1 ||
        width > MAX_PICTURE_PIXELS || height > MAX_PICTURE_PIXELS || width * height > MAX_PICTURE_PIXELS)
        return 0;
    header.width = static_cast<int32_t>(width);
    header.height = static_cast<int32_t>(height);
    header.orientation = std::max(orientation, 1);
    return 1;
}
