// Direct access to the pixels of DIB sections, and how GDI maps them.
#include "render/direct_pixels.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

enum class RowOrder { BottomUp, TopDown, Either, Unknown };

// Bytes B, G, R (and an unused fourth byte at 32 bits) are the only layouts
// taken; bit fields only when they say the same.
bool HasPlainLayout(const DIBSECTION& section) {
    const BITMAPINFOHEADER& header = section.dsBmih;
    if (header.biBitCount == 24)
        return header.biCompression == BI_RGB;
    if (header.biBitCount != 32)
        return false;
    return header.biCompression == BI_RGB ||
           (header.biCompression == BI_BITFIELDS && section.dsBitfields[0] == 0xFF0000 &&
            section.dsBitfields[1] == 0x00FF00 && section.dsBitfields[2] == 0x0000FF);
}

// Pixel (x, y) is stored in row y or in row height - 1 - y; where the two
// hold different colours, GDI's reading of the pixel tells which.
RowOrder OrderShownAt(HDC dc, const DirectPixels& pixels, int32_t x, int32_t y) {
    const COLORREF topDown = pixels.StoredColour(x, y);
    const COLORREF bottomUp = pixels.StoredColour(x, pixels.height - 1 - y);
    if (topDown == bottomUp)
        return RowOrder::Either;
    const COLORREF shown = GetPixel(dc, x, y);
    if (shown == topDown)
        return RowOrder::TopDown;
    return shown == bottomUp ? RowOrder::BottomUp : RowOrder::Unknown;
}

struct Line {
    int32_t x;
    int32_t y;
    int32_t stepX;
    int32_t stepY;
    int32_t count;
};

// The first pixel along a line that tells the order, as GetPixel shows it.
RowOrder OrderAlong(HDC dc, const DirectPixels& pixels, const Line& line) {
    for (int32_t i = 0; i < line.count; ++i) {
        const RowOrder order = OrderShownAt(dc, pixels, line.x + i * line.stepX, line.y + i * line.stepY);
        if (order != RowOrder::Either)
            return order;
    }
    return RowOrder::Either;
}

// Pixel (x, y) as GetDIBits copies row y out of a bitmap in no device
// context, compared with its two candidate places.
RowOrder OrderReadAt(HDC dc, HBITMAP bitmap, const DirectPixels& pixels, int32_t x, int32_t y) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = pixels.height;  // scan lines counted from the bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(pixels.bytesPerPixel * 8);
    info.bmiHeader.biCompression = BI_RGB;
    const std::unique_ptr<uint8_t[], decltype(&std::free)> row(
        static_cast<uint8_t*>(std::calloc(static_cast<size_t>(pixels.stride), 1)), std::free);
    if (!row || GetDIBits(dc, bitmap, static_cast<UINT>(pixels.height - 1 - y), 1, row.get(), &info,
                          DIB_RGB_COLORS) != 1)
        return RowOrder::Unknown;
    const uint8_t* pixel = row.get() + x * pixels.bytesPerPixel;
    const COLORREF copied = RGB(pixel[2], pixel[1], pixel[0]);
    if (copied == pixels.StoredColour(x, y))
        return RowOrder::TopDown;
    return copied == pixels.StoredColour(x, pixels.height - 1 - y) ? RowOrder::BottomUp
                                                                   : RowOrder::Unknown;
}

// For a bitmap whose first and last rows are alike: GDI changes pixel (0, 0),
// the bytes show which row it wrote, and both rows get their bytes back.
RowOrder OrderWrittenAtOrigin(HDC dc, const DirectPixels& pixels) {
    uint8_t* first = pixels.Row(0);
    uint8_t* last = pixels.Row(pixels.height - 1);
    const size_t size = static_cast<size_t>(pixels.bytesPerPixel);
    uint8_t savedFirst[4];
    uint8_t savedLast[4];
    std::memcpy(savedFirst, first, size);
    std::memcpy(savedLast, last, size);
    const COLORREF probe = pixels.StoredColour(0, 0) ^ 1;
    SetPixel(dc, 0, 0, probe);
    GdiFlush();
    RowOrder order = RowOrder::Unknown;
    if (pixels.StoredColour(0, 0) == probe)
        order = RowOrder::TopDown;
    else if (pixels.StoredColour(0, pixels.height - 1) == probe)
        order = RowOrder::BottomUp;
    std::memcpy(first, savedFirst, size);
    std::memcpy(last, savedLast, size);
    return order;
}

bool Settle(DirectPixels& pixels, RowOrder order) {
    if (order == RowOrder::Unknown)
        return false;
    if (order != RowOrder::Either)
        pixels.bottomUp = order == RowOrder::BottomUp;
    return true;
}

}  // namespace

bool DescribeSection(HBITMAP bitmap, DirectPixels& pixels) {
    DIBSECTION section = {};
    if (!bitmap || GetObjectA(bitmap, sizeof section, &section) != sizeof section)
        return false;
    if (!section.dsBm.bmBits || !HasPlainLayout(section))
        return false;
    const int32_t bitsPerPixel = section.dsBmih.biBitCount;
    pixels.bits = static_cast<uint8_t*>(section.dsBm.bmBits);
    pixels.width = section.dsBm.bmWidth;
    pixels.height = section.dsBm.bmHeight;
    pixels.bytesPerPixel = bitsPerPixel / 8;
    pixels.stride = (pixels.width * bitsPerPixel + 31) / 32 * 4;
    pixels.bottomUp = true;
    return pixels.width > 0 && pixels.height > 0;
}

bool MapsPixelsOneToOne(HDC dc, const DirectPixels& pixels) {
    POINT viewportOrigin = {};
    POINT windowOrigin = {};
    RECT clip = {};
    GetViewportOrgEx(dc, &viewportOrigin);
    GetWindowOrgEx(dc, &windowOrigin);
    return GetMapMode(dc) == MM_TEXT && GetGraphicsMode(dc) == GM_COMPATIBLE && GetLayout(dc) == 0 &&
           viewportOrigin.x == 0 && viewportOrigin.y == 0 && windowOrigin.x == 0 &&
           windowOrigin.y == 0 && GetClipBox(dc, &clip) == SIMPLEREGION && clip.left == 0 &&
           clip.top == 0 && clip.right == pixels.width && clip.bottom == pixels.height;
}

bool SettleRowOrderForReading(HDC dc, HBITMAP bitmap, DirectPixels& pixels, int32_t x, int32_t y,
                              int32_t width, int32_t height) {
    // The first border pixel whose two candidate places differ; where there
    // is none, either order reads the border alike.
    const Line border[4] = {{x, y, 1, 0, width},
                            {x, y + height - 1, 1, 0, width},
                            {x, y, 0, 1, height},
                            {x + width - 1, y, 0, 1, height}};
    for (const Line& line : border)
        for (int32_t i = 0; i < line.count; ++i) {
            const int32_t pixelX = line.x + i * line.stepX;
            const int32_t pixelY = line.y + i * line.stepY;
            if (pixels.StoredColour(pixelX, pixelY) != pixels.StoredColour(pixelX, pixels.height - 1 - pixelY))
                return Settle(pixels, OrderReadAt(dc, bitmap, pixels, pixelX, pixelY));
        }
    return true;
}

bool SettleRowOrderForWriting(HDC dc, DirectPixels& pixels) {
    if (pixels.height < 2)
        return true;
    RowOrder order = OrderAlong(dc, pixels, Line{0, 0, 1, 0, pixels.width});
    if (order == RowOrder::Either)
        order = OrderWrittenAtOrigin(dc, pixels);
    return Settle(pixels, order);
}
