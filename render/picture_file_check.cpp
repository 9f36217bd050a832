// The check of a picture file's declared layout against its length.
#include "render/picture_file_check.h"

#include <algorithm>

namespace {

constexpr uint64_t PAGE_SIZE = 4096;
constexpr uint32_t FILE_HEADER_SIZE = 14;
constexpr uint32_t CORE_HEADER_SIZE = 12;
constexpr uint32_t INFO_HEADER_SIZE = 40;
constexpr uint32_t V4_HEADER_SIZE = 108;
constexpr uint32_t V5_HEADER_SIZE = 124;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t MAX_TABLE_COLOURS = 256;
constexpr int64_t MAX_WIDTH = 65535;

static_assert(FILE_HEADER_SIZE + V5_HEADER_SIZE + 4 * 3 + 4 * MAX_TABLE_COLOURS <= PAGE_SIZE,
              "the headers and the largest colour table fit in a file's first page");

// The file's first bytes, zero past its end. Fields: the pixel offset at 10,
// the header size at 14; in a core header width 18, height 20, bits 24; in
// the others width 18, height 22, bits 28, compression 30, image size 34 and
// colour count 46 (all little-endian).
struct Head {
    uint8_t bytes[PICTURE_HEAD_SIZE] = {};

    uint32_t Field16(size_t at) const { return bytes[at] | bytes[at + 1] << 8; }
    uint32_t Field32(size_t at) const { return Field16(at) | Field16(at + 2) << 16; }
    int64_t Signed32(size_t at) const { return static_cast<int32_t>(Field32(at)); }
};

// What the headers declare; headerBytes runs from the file's start to the
// end of the colour table.
struct Layout {
    int64_t width;
    int64_t height;
    uint32_t bitsPerPixel;
    uint32_t compression;
    uint32_t imageSize;
    uint64_t headerBytes;
};

uint32_t TableColours(uint32_t declared, uint32_t bitsPerPixel) {
    if (declared != 0)
        return std::min(declared, MAX_TABLE_COLOURS);
    return bitsPerPixel <= 8 ? 1u << bitsPerPixel : 0;
}

Layout CoreLayout(const Head& head) {
    const uint32_t bits = head.Field16(24);
    const uint32_t colours = bits <= 8 ? 1u << bits : 0;
    return {head.Field16(18), head.Field16(20), bits, 0, 0, FILE_HEADER_SIZE + CORE_HEADER_SIZE + 3 * colours};
}

Layout InfoLayout(const Head& head, uint32_t headerSize) {
    const uint32_t bits = head.Field16(28);
    const uint32_t compression = head.Field32(30);
    const uint32_t masks = compression == BI_BITFIELDS ? 3 : 0;
    const uint32_t fields = std::max(headerSize, INFO_HEADER_SIZE + 4 * masks);
    return {head.Signed32(18), head.Signed32(22), bits,
            compression,       head.Field32(34),  FILE_HEADER_SIZE + fields + 4 * TableColours(head.Field32(46), bits)};
}

// The layout of a header of a size the loader takes, declaring a width of 1
// to 65535 and a height other than 0; false for any other.
bool ReadLayout(const Head& head, Layout& layout) {
    if (head.bytes[0] != 'B' || head.bytes[1] != 'M')
        return false;
    const uint32_t headerSize = head.Field32(FILE_HEADER_SIZE);
    if (headerSize == CORE_HEADER_SIZE)
        layout = CoreLayout(head);
    else if (headerSize == INFO_HEADER_SIZE || headerSize == V4_HEADER_SIZE || headerSize == V5_HEADER_SIZE)
        layout = InfoLayout(head, headerSize);
    else
        return false;
    return layout.width >= 1 && layout.width <= MAX_WIDTH && layout.height != 0;
}

uint64_t PixelBytes(const Layout& layout) {
    if (layout.compression == BI_RLE8 || layout.compression == BI_RLE4)
        return layout.imageSize;
    const uint64_t rowBits = static_cast<uint64_t>(layout.width) * layout.bitsPerPixel;
    const int64_t rows = layout.height < 0 ? -layout.height : layout.height;
    return (rowBits + 31) / 32 * 4 * static_cast<uint64_t>(rows);
}

uint64_t PagesOf(uint64_t bytes) {
    return bytes / PAGE_SIZE + (bytes % PAGE_SIZE != 0 ? 1 : 0);
}

}  // namespace

int32_t FitsDeclaredLayout(const uint8_t* head, size_t headLength, uint64_t fileLength) {
    DeclaredPixels pixels;
    return ReadDeclaredPixels(head, headLength, fileLength, pixels);
}

int32_t ReadDeclaredPixels(const uint8_t* head, size_t headLength, uint64_t fileLength, DeclaredPixels& pixels) {
    Head fields;
    std::copy_n(head, std::min(headLength, PICTURE_HEAD_SIZE), fields.bytes);
    Layout layout;
    const uint32_t pixelOffset = fields.Field32(10);
    if (fileLength == 0 || !ReadLayout(fields, layout) || (pixelOffset != 0 && pixelOffset < FILE_HEADER_SIZE))
        return 0;
    const uint64_t pixelStart = pixelOffset != 0 ? pixelOffset : layout.headerBytes;
    pixels = {pixelStart, static_cast<int32_t>(layout.width), static_cast<int32_t>(layout.height),
              layout.compression == BI_RGB && (layout.bitsPerPixel == 24 || layout.bitsPerPixel == 32)
                  ? layout.bitsPerPixel / 8
                  : 0};
    // The loader's view of the file ends with the file's last page. The
    // headers and the colour table always lie within the first page, which
    // every file that is not empty has.
    const uint64_t pixelEnd = pixelStart + PixelBytes(layout);
    return PagesOf(pixelEnd) <= PagesOf(fileLength) ? 1 : 0;
}

int32_t DeclaredBmpSize(const uint8_t* head, size_t headLength, int64_t& width, int64_t& height) {
    Head fields;
    std::copy_n(head, std::min(headLength, PICTURE_HEAD_SIZE), fields.bytes);
    Layout layout;
    // The size's fields end at 22 in a core header, at 26 in the others.
    const size_t sizeEnd = fields.Field32(FILE_HEADER_SIZE) == CORE_HEADER_SIZE ? 22 : 26;
    if (headLength < sizeEnd || !ReadLayout(fields, layout))
        return 0;
    width = layout.width;
    height = layout.height < 0 ? -layout.height : layout.height;
    return 1;
}
