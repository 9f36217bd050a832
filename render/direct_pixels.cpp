// Direct access to the pixels of DIB sections, how GDI maps them, and the
// order in which a section's rows are stored.
#include "render/direct_pixels.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

enum class RowOrder { BottomUp, TopDown, Unknown };

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

BITMAPINFO Info32(int32_t width, int32_t height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // negative: stored top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Pixel (x, y) as GetDIBits copies row y out of the bitmap, compared with
// its two candidate places.
RowOrder OrderReadAt(HBITMAP bitmap, const DirectPixels& pixels, int32_t x, int32_t y) {
    BITMAPINFO info = Info32(pixels.width, pixels.height);  // scan lines counted from the bottom
    info.bmiHeader.biBitCount = static_cast<WORD>(pixels.bytesPerPixel * 8);
    const std::unique_ptr<uint8_t[], decltype(&std::free)> row(
        static_cast<uint8_t*>(std::calloc(static_cast<size_t>(pixels.stride), 1)), std::free);
    HDC dc = CreateCompatibleDC(nullptr);
    const int copied =
        row ? GetDIBits(dc, bitmap, static_cast<UINT>(pixels.height - 1 - y), 1, row.get(), &info, DIB_RGB_COLORS) : 0;
    DeleteDC(dc);
    if (copied != 1)
        return RowOrder::Unknown;
    const uint8_t* pixel = row.get() + x * pixels.bytesPerPixel;
    const COLORREF colour = RGB(pixel[2], pixel[1], pixel[0]);
    if (colour == pixels.StoredColour(x, y))
        return RowOrder::TopDown;
    return colour == pixels.StoredColour(x, pixels.height - 1 - y) ? RowOrder::BottomUp : RowOrder::Unknown;
}

// For a bitmap whose rows read alike in both orders: GDI changes pixel
// (0, 0), the bytes show which row it wrote, and both rows get their bytes
// back.
RowOrder OrderWrittenAtOrigin(HBITMAP bitmap, const DirectPixels& pixels) {
    uint8_t* first = pixels.Row(0);
    uint8_t* last = pixels.Row(pixels.height - 1);
    const size_t size = static_cast<size_t>(pixels.bytesPerPixel);
    uint8_t savedFirst[4];
    uint8_t savedLast[4];
    std::memcpy(savedFirst, first, size);
    std::memcpy(savedLast, last, size);
    const COLORREF probe = pixels.StoredColour(0, 0) ^ 1;
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SetPixel(dc, 0, 0, probe);
    GdiFlush();
    SelectObject(dc, previous);
    DeleteDC(dc);
    RowOrder order = RowOrder::Unknown;
    if (pixels.StoredColour(0, 0) == probe)
        order = RowOrder::TopDown;
    else if (pixels.StoredColour(0, pixels.height - 1) == probe)
        order = RowOrder::BottomUp;
    std::memcpy(first, savedFirst, size);
    std::memcpy(last, savedLast, size);
    return order;
}

RowOrder OrderOfRows(HBITMAP bitmap, const DirectPixels& pixels) {
    for (int32_t y = 0; y < pixels.height / 2; ++y)
        for (int32_t x = 0; x < pixels.width; ++x)
            if (pixels.StoredColour(x, y) != pixels.StoredColour(x, pixels.height - 1 - y))
                return OrderReadAt(bitmap, pixels, x, y);
    return pixels.height < 2 ? RowOrder::BottomUp : OrderWrittenAtOrigin(bitmap, pixels);
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
           viewportOrigin.x == 0 && viewportOrigin.y == 0 && windowOrigin.x == 0 && windowOrigin.y == 0 &&
           GetClipBox(dc, &clip) == SIMPLEREGION && clip.left == 0 && clip.top == 0 && clip.right == pixels.width &&
           clip.bottom == pixels.height;
}

bool FindRowOrder(HBITMAP bitmap, DirectPixels& pixels) {
    GdiFlush();  // the bits must hold every drawing queued so far
    const RowOrder order = OrderOfRows(bitmap, pixels);
    pixels.bottomUp = order == RowOrder::BottomUp;
    return order != RowOrder::Unknown;
}

HBITMAP CreateSection32(int32_t width, int32_t height, bool bottomUp, void** bits) {
    const BITMAPINFO info = Info32(width, bottomUp ? height : -height);
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

HBITMAP CopyToSection32(HBITMAP bitmap, int32_t width, int32_t height, bool bottomUp, void** bits) {
    HBITMAP copy = CreateSection32(width, height, bottomUp, bits);
    if (!copy)
        return nullptr;
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    const HGDIOBJ previousFrom = SelectObject(from, bitmap);
    const HGDIOBJ previousTo = SelectObject(to, copy);
    BitBlt(to, 0, 0, width, height, from, 0, 0, SRCCOPY);
    SelectObject(from, previousFrom);
    SelectObject(to, previousTo);
    DeleteDC(from);
    DeleteDC(to);
    GdiFlush();
    return copy;
}
