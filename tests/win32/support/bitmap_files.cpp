// Windows bitmap files written from a pixel function.
#include "support/bitmap_files.h"

#include <windows.h>

#include "support/temp_directory.h"

namespace {

constexpr int32_t FILE_HEADER_SIZE = 14;
constexpr int32_t INFO_HEADER_SIZE = 40;

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

int32_t RowBytes(int32_t width, int32_t bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// One row of pixels, packed at the layout's depth and padded to a DWORD.
std::string PackRow(const BitmapLayout& layout, const std::vector<Colour>& table, int32_t y) {
    std::string row(static_cast<size_t>(RowBytes(layout.width, layout.bitsPerPixel)), '\0');
    for (int32_t x = 0; x < layout.width; ++x) {
        const Colour colour = layout.pixel(x, y);
        const uint32_t red = RedOf(colour), green = GreenOf(colour), blue = BlueOf(colour);
        switch (layout.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const int32_t bit = x * layout.bitsPerPixel;
            const int shift = 8 - layout.bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<char>(row[bit / 8] | NearestIndex(table, colour) << shift);
            break;
        }
        case 16: {
            const uint32_t packed = (red >> 3) << 10 | (green >> 3) << 5 | blue >> 3;
            row[2 * x] = static_cast<char>(packed & 0xFF);
            row[2 * x + 1] = static_cast<char>(packed >> 8);
            break;
        }
        default: {
            const int32_t bytes = layout.bitsPerPixel / 8;
            row[bytes * x] = static_cast<char>(blue);
            row[bytes * x + 1] = static_cast<char>(green);
            row[bytes * x + 2] = static_cast<char>(red);
        }
        }
    }
    return row;
}

uint32_t Expand5(uint32_t value) {
    const uint32_t five = value >> 3;
    return five << 3 | five >> 2;
}

}  // namespace

std::vector<Colour> ColourTable(int32_t bitsPerPixel) {
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

Colour StoredColour(Colour colour, int32_t bitsPerPixel) {
    if (bitsPerPixel <= 8) {
        const std::vector<Colour> table = ColourTable(bitsPerPixel);
        return table[NearestIndex(table, colour)];
    }
    if (bitsPerPixel == 16)
        return MakeColour(Expand5(RedOf(colour)), Expand5(GreenOf(colour)), Expand5(BlueOf(colour)));
    return colour & 0xFFFFFF;
}

int32_t PixelDataOffset(int32_t bitsPerPixel) {
    return FILE_HEADER_SIZE + INFO_HEADER_SIZE + 4 * static_cast<int32_t>(ColourTable(bitsPerPixel).size());
}

std::string BitmapFileBytes(const BitmapLayout& layout) {
    const std::vector<Colour> table = ColourTable(layout.bitsPerPixel);
    const int32_t dataOffset = PixelDataOffset(layout.bitsPerPixel);
    const int32_t imageSize = RowBytes(layout.width, layout.bitsPerPixel) * layout.height;

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = static_cast<DWORD>(dataOffset + imageSize);
    file.bfOffBits = static_cast<DWORD>(dataOffset);
    BITMAPINFOHEADER info = {};
    info.biSize = INFO_HEADER_SIZE;
    info.biWidth = layout.width;
    info.biHeight = layout.topDown ? -layout.height : layout.height;
    info.biPlanes = 1;
    info.biBitCount = static_cast<WORD>(layout.bitsPerPixel);
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(imageSize);
    info.biXPelsPerMeter = info.biYPelsPerMeter = 2835;  // 72 dots per inch
    info.biClrUsed = static_cast<DWORD>(table.size());

    std::string bytes(reinterpret_cast<const char*>(&file), FILE_HEADER_SIZE);
    bytes.append(reinterpret_cast<const char*>(&info), INFO_HEADER_SIZE);
    for (const Colour colour : table)  // blue, green, red, 0
        bytes += std::string{static_cast<char>(BlueOf(colour)), static_cast<char>(GreenOf(colour)),
                             static_cast<char>(RedOf(colour)), '\0'};
    for (int32_t i = 0; i < layout.height; ++i)
        bytes += PackRow(layout, table, layout.topDown ? i : layout.height - 1 - i);
    return bytes;
}

bool WriteBitmapFile(const std::string& path, const BitmapLayout& layout) {
    return WriteFileBytes(path, BitmapFileBytes(layout));
}

bool WriteTruncatedBitmapFile(const std::string& path, const BitmapLayout& layout, size_t keptBytes) {
    return WriteFileBytes(path, BitmapFileBytes(layout).substr(0, keptBytes));
}

bool WriteTextFile(const std::string& path) {
    return WriteFileBytes(path, "This file holds words, not a picture.\r\n");
}

Colour PatternPixel(int32_t x, int32_t y) {
    return MakeColour(static_cast<uint32_t>(x * 7 + y * 3) & 0xFF,
                      static_cast<uint32_t>(y * 11 + x / 3) & 0xFF,
                      static_cast<uint32_t>(x * 5 ^ y * 13) & 0xFF);
}

PixelFunction SolidPixel(Colour colour) {
    return [colour](int32_t, int32_t) { return colour; };
}
