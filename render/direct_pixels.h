// Direct access to the pixels of a DIB section of 24 or 32 bits per pixel,
// for drawing that must give what GDI gives, only faster.
#pragma once

#include <windows.h>

#include <cstdint>

struct DirectPixels {
    uint8_t* bits;
    int32_t stride;         // bytes per stored row, a multiple of 4
    int32_t bytesPerPixel;  // 3 or 4: bytes B, G, R (and one unused)
    int32_t width;
    int32_t height;
    bool bottomUp;  // stored row 0 is the picture's bottom row

    uint8_t* Row(int32_t storedRow) const { return bits + storedRow * stride; }

    uint8_t* At(int32_t x, int32_t y) const { return Row(bottomUp ? height - 1 - y : y) + x * bytesPerPixel; }

    COLORREF StoredColour(int32_t x, int32_t storedRow) const {
        const uint8_t* pixel = Row(storedRow) + x * bytesPerPixel;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }

    bool Holds(int32_t x, int32_t y, int32_t rectWidth, int32_t rectHeight) const {
        return x >= 0 && y >= 0 && x <= width - rectWidth && y <= height - rectHeight;
    }
};

// Describes a DIB section of 24 bits, or of 32 bits with the same byte order;
// false for every other bitmap. bottomUp is set true: the system reports a
// section's height as positive whichever way its rows are stored.
bool DescribeSection(HBITMAP bitmap, DirectPixels& pixels);

// True when dc's logical pixels are its bitmap's pixels and nothing is
// clipped away, so that a direct write lands where SetPixel would.
bool MapsPixelsOneToOne(HDC dc, const DirectPixels& pixels);

// Asks GDI, once for the whole bitmap, in which order a section's rows are
// stored: at the first pixel whose two candidate places differ, GetDIBits
// shows which one is the picture's; where the rows read alike in both
// orders, a pixel written by GDI shows it. false when GDI's answer matches
// neither. The bitmap must be selected into no device context.
bool FindRowOrder(HBITMAP bitmap, DirectPixels& pixels);

// A new DIB section of 32 bits per pixel, rows stored top-down or bottom-up
// as asked; its pixels are zero and reachable through bits.
HBITMAP CreateSection32(int32_t width, int32_t height, bool bottomUp, void** bits);

// A new 32-bit section, stored as asked, holding the pixels of bitmap (of
// any format) as GDI converts them; null when none can be made.
HBITMAP CopyToSection32(HBITMAP bitmap, int32_t width, int32_t height, bool bottomUp, void** bits);
