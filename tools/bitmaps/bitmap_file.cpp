// The one writer of Windows bitmap files.
#include "tools/bitmaps/bitmap_file.h"

#include <algorithm>
#include <fstream>

namespace {

constexpr int32_t FILE_HEADER_SIZE = 14;
constexpr int32_t CORE_HEADER_SIZE = 12;
constexpr int32_t INFO_HEADER_SIZE = 40;
constexpr int32_t PELS_PER_METRE = 2835;  // 72 dots per inch
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr int32_t MASKS_SIZE = 12;
constexpr int32_t MAX_RUN = 255;

uint32_t SquaredDistance(Colour a, Colour b) {
    const int32_t red = static_cast<int32_t>(RedOf(a)) - static_cast<int32_t>(RedOf(b));
    const int32_t green = static_cast<int32_t>(GreenOf(a)) - static_cast<int32_t>(GreenOf(b));
    const int32_t blue = static_cast<int32_t>(BlueOf(a)) - static_cast<int32_t>(BlueOf(b));
    return static_cast<uint32_t>(red * red + green * green + blue * blue);
}

uint32_t NearestIndex(const std::vector<Colour>& table, Colour colour) {
    uint32_t best = 0;
    for (uint32_t i = 1; i < table.size(); ++i)
        if (SquaredDistance(table[i], colour) < SquaredDistance(table[best], colour))
            best = i;
    return best;
}

std::vector<Colour> TableOf(const BitmapLayout& layout) {
    if (layout.bitsPerPixel > 8)
        return {};
    return layout.colourTable.empty() ? DefaultColourTable(layout.bitsPerPixel) : layout.colourTable;
}

int32_t RowBytes(int32_t width, int32_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// Little-endian fields, as the file stores them.
void Put16(std::string& bytes, uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& bytes, uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

bool HasMasks(const BitmapLayout& layout) {
    return layout.masks != std::array<uint32_t, 3>{};
}

// Red, green and blue masks of a pixel above 8 bits: 5-5-5 at 16 bits and
// bytes B, G, R above, unless the layout gives its own.
std::array<uint32_t, 3> MasksOf(const BitmapLayout& layout) {
    if (HasMasks(layout))
        return layout.masks;
    if (layout.bitsPerPixel == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

int32_t LowestBit(uint32_t mask) {
    int32_t bit = 0;
    while (bit < 31 && !(mask >> bit & 1))
        ++bit;
    return bit;
}

int32_t BitCount(uint32_t mask) {
    int32_t count = 0;
    for (; mask; mask &= mask - 1)
        ++count;
    return count;
}

// The channel's top bits in the mask's place.
uint32_t PutChannel(uint32_t value, uint32_t mask) {
    return (value >> (8 - BitCount(mask)) << LowestBit(mask)) & mask;
}

// The mask's bits widened to 8, their top bits repeated below them.
uint32_t ReadChannel(uint32_t pixel, uint32_t mask) {
    const uint32_t top = (pixel & mask) >> LowestBit(mask) << (8 - BitCount(mask));
    return (top | top >> BitCount(mask)) & 0xFF;
}

uint32_t PackPixel(const std::array<uint32_t, 3>& masks, Colour colour) {
    return PutChannel(RedOf(colour), masks[0]) | PutChannel(GreenOf(colour), masks[1]) |
           PutChannel(BlueOf(colour), masks[2]);
}

// One row of pixels, packed at the layout's depth and padded to four bytes.
std::string PackRow(const BitmapLayout& layout, const std::vector<Colour>& table, int32_t y) {
    std::string row(static_cast<size_t>(RowBytes(layout.width, layout.bitsPerPixel)), '\0');
    const std::array<uint32_t, 3> masks = MasksOf(layout);
    const int32_t bytes = layout.bitsPerPixel / 8;
    for (int32_t x = 0; x < layout.width; ++x) {
        const Colour colour = layout.pixel(x, y);
        if (layout.bitsPerPixel <= 8) {
            const int32_t bit = x * layout.bitsPerPixel;
            const int shift = 8 - layout.bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | NearestIndex(table, colour) << shift);
            continue;
        }
        const uint32_t packed = PackPixel(masks, colour);
        for (int32_t i = 0; i < bytes; ++i)  // little-endian
            row[bytes * x + i] = static_cast<char>(packed >> 8 * i & 0xFF);
    }
    return row;
}

// Runs of one colour index along each row, bottom row first; an end of line
// after each row but the last, which ends the bitmap.
std::string RunLengthRows(const BitmapLayout& layout, const std::vector<Colour>& table) {
    std::string bytes;
    for (int32_t y = layout.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < layout.width;) {
            const uint32_t index = NearestIndex(table, layout.pixel(x, y));
            int32_t run = 1;
            while (x + run < layout.width && run < MAX_RUN && NearestIndex(table, layout.pixel(x + run, y)) == index)
                ++run;
            bytes += static_cast<char>(run);
            bytes += static_cast<char>(layout.bitsPerPixel == 4 ? index << 4 | index : index);
            x += run;
        }
        bytes += '\0';
        bytes += static_cast<char>(y == 0 ? 1 : 0);
    }
    return bytes;
}

std::string PixelData(const BitmapLayout& layout, const std::vector<Colour>& table) {
    if (layout.runLength)
        return RunLengthRows(layout, table);
    std::string rows;
    for (int32_t i = 0; i < layout.height; ++i)
        rows += PackRow(layout, table, layout.topDown ? i : layout.height - 1 - i);
    return rows;
}

bool IsCore(const BitmapLayout& layout) {
    return layout.headerSize == CORE_HEADER_SIZE;
}

uint32_t Compression(const BitmapLayout& layout) {
    if (HasMasks(layout))
        return BI_BITFIELDS;
    if (!layout.runLength)
        return 0;
    return layout.bitsPerPixel == 4 ? BI_RLE4 : BI_RLE8;
}

void PutInfoHeader(std::string& bytes, const BitmapLayout& layout, size_t tableSize, size_t pixelBytes) {
    Put32(bytes, static_cast<uint32_t>(layout.width));
    Put32(bytes, static_cast<uint32_t>(layout.topDown ? -layout.height : layout.height));
    Put16(bytes, 1);  // planes
    Put16(bytes, static_cast<uint32_t>(layout.bitsPerPixel));
    Put32(bytes, Compression(layout));
    Put32(bytes, static_cast<uint32_t>(pixelBytes));
    Put32(bytes, PELS_PER_METRE);
    Put32(bytes, PELS_PER_METRE);
    const bool tableCount = layout.declaredColours < 0;
    Put32(bytes, static_cast<uint32_t>(tableCount ? tableSize : layout.declaredColours));
    Put32(bytes, 0);  // every colour important
    // The masks come first in the fields a V4 or V5 header adds (the rest all
    // zero), or right after an info header.
    int32_t added = layout.headerSize - INFO_HEADER_SIZE;
    if (HasMasks(layout)) {
        for (const uint32_t mask : layout.masks)
            Put32(bytes, mask);
        added = std::max(added - MASKS_SIZE, 0);
    }
    bytes.append(static_cast<size_t>(added), '\0');
}

void PutCoreHeader(std::string& bytes, const BitmapLayout& layout) {
    Put16(bytes, static_cast<uint32_t>(layout.width));
    Put16(bytes, static_cast<uint32_t>(layout.height));
    Put16(bytes, 1);  // planes
    Put16(bytes, static_cast<uint32_t>(layout.bitsPerPixel));
}

}  // namespace

std::vector<Colour> DefaultColourTable(int32_t bitsPerPixel) {
    std::vector<Colour> table;
    if (bitsPerPixel == 1) {
        table = {MakeColour(0, 0, 0), MakeColour(255, 255, 255)};
    } else if (bitsPerPixel == 4) {
        for (uint32_t i = 0; i < 16; ++i) {
            const uint32_t level = i & 8 ? 255 : 128;
            if (i == 7)
                table.push_back(MakeColour(192, 192, 192));
            else if (i == 8)
                table.push_back(MakeColour(128, 128, 128));
            else
                table.push_back(MakeColour(i & 1 ? level : 0, i & 2 ? level : 0, i & 4 ? level : 0));
        }
    } else if (bitsPerPixel == 8) {
        for (uint32_t red = 0; red < 6; ++red)
            for (uint32_t green = 0; green < 6; ++green)
                for (uint32_t blue = 0; blue < 6; ++blue)
                    table.push_back(MakeColour(red * 51, green * 51, blue * 51));
        for (uint32_t grey = 1; grey <= 40; ++grey)
            table.push_back(MakeColour(grey * 6, grey * 6, grey * 6));
    }
    return table;
}

Colour StoredColour(const BitmapLayout& layout, Colour colour) {
    if (layout.bitsPerPixel <= 8) {
        const std::vector<Colour> table = TableOf(layout);
        return table[NearestIndex(table, colour)];
    }
    const std::array<uint32_t, 3> masks = MasksOf(layout);
    const uint32_t packed = PackPixel(masks, colour);
    return MakeColour(ReadChannel(packed, masks[0]), ReadChannel(packed, masks[1]), ReadChannel(packed, masks[2]));
}

int32_t PixelDataOffset(const BitmapLayout& layout) {
    const int32_t entryBytes = IsCore(layout) ? 3 : 4;
    const bool masksAfterHeader = HasMasks(layout) && layout.headerSize == INFO_HEADER_SIZE;
    return FILE_HEADER_SIZE + layout.headerSize + (masksAfterHeader ? MASKS_SIZE : 0) +
           entryBytes * static_cast<int32_t>(TableOf(layout).size());
}

std::string BitmapFileBytes(const BitmapLayout& layout) {
    const std::vector<Colour> table = TableOf(layout);
    const int32_t dataOffset = PixelDataOffset(layout);
    const std::string pixels = PixelData(layout, table);

    std::string bytes = "BM";
    Put32(bytes, static_cast<uint32_t>(dataOffset + pixels.size()));
    Put32(bytes, 0);  // reserved
    Put32(bytes, static_cast<uint32_t>(dataOffset));
    Put32(bytes, static_cast<uint32_t>(layout.headerSize));
    if (IsCore(layout))
        PutCoreHeader(bytes, layout);
    else
        PutInfoHeader(bytes, layout, table.size(), pixels.size());
    for (const Colour colour : table) {  // blue, green, red and, but in a core header, 0
        Put16(bytes, BlueOf(colour) | GreenOf(colour) << 8);
        bytes += static_cast<char>(RedOf(colour));
        if (!IsCore(layout))
            bytes += '\0';
    }
    return bytes + pixels;
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

bool WriteBitmapFile(const std::string& path, const BitmapLayout& layout) {
    return WriteBytes(path, BitmapFileBytes(layout));
}

Colour PatternPixel(int32_t x, int32_t y) {
    return MakeColour(static_cast<uint32_t>(x * 7 + y * 3) & 0xFF, static_cast<uint32_t>(y * 11 + x / 3) & 0xFF,
                      static_cast<uint32_t>(x * 5 ^ y * 13) & 0xFF);
}

PixelFunction SolidPixel(Colour colour) {
    return [colour](int32_t, int32_t) { return colour; };
}
