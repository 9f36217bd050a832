// In-memory pictures: the file writer's own bytes handed to CreateDIBSection,
// so that a section and a file of one layout hold the same pixels.
#include "tools/bitmaps/picture_section.h"

#include <cstring>

namespace {

constexpr int32_t FILE_HEADER_SIZE = 14;

}  // namespace

HBITMAP PictureSection(const BitmapLayout& layout) {
    const std::string file = BitmapFileBytes(layout);
    const int32_t dataOffset = PixelDataOffset(layout);
    // The info header and colour table, copied out of the file to be aligned.
    std::vector<uint32_t> info((dataOffset - FILE_HEADER_SIZE) / 4);
    std::memcpy(info.data(), file.data() + FILE_HEADER_SIZE, info.size() * 4);
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &bits,
                                       nullptr, 0);
    if (section)
        std::memcpy(bits, file.data() + dataOffset, file.size() - static_cast<size_t>(dataOffset));
    return section;
}

std::vector<Colour> BitmapPixels(HBITMAP bitmap) {
    BITMAP description = {};
    if (!GetObjectA(bitmap, sizeof description, &description))
        return {};
    const int32_t width = description.bmWidth;
    const int32_t height = description.bmHeight;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> quads(static_cast<size_t>(width) * static_cast<size_t>(height));
    GdiFlush();
    HDC dc = CreateCompatibleDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), quads.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != height)
        return {};
    std::vector<Colour> pixels;
    pixels.reserve(quads.size());
    for (const uint32_t quad : quads)  // bytes B, G, R, unused
        pixels.push_back(MakeColour(quad >> 16 & 0xFF, quad >> 8 & 0xFF, quad & 0xFF));
    return pixels;
}
