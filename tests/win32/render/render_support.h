// What the rendering tests share: pictures written to a temporary folder and
// loaded as the source picture and the canvas, pixels read back from bitmaps
// and windows, and a real window to animate in.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/bitmap_files.h"
#include "support/temp_directory.h"

// A bitmap's or a window's pixels as colour values, top row first.
struct Pixels {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<Colour> values;

    Colour At(int32_t x, int32_t y) const { return values[static_cast<size_t>(y * width + x)]; }
};

// Reads every pixel of a bitmap that is selected into no device context.
Pixels ReadBitmap(HBITMAP bitmap);
// Reads width x height pixels of a window's client area through its device context.
Pixels ReadWindow(HWND window, int32_t width, int32_t height);
// The raw bytes of a DIB section's pixel rows, padding included.
std::string SectionBytes(HBITMAP bitmap);
int32_t SectionBitsPerPixel(HBITMAP bitmap);

// Colour of a tile pixel drawn with the bevel: left and top edges lightened,
// right and bottom darkened, the later edge winning at a corner.
Colour BevelledPixel(Colour picture, int32_t x, int32_t y, int32_t tileWidth, int32_t tileHeight);

// A memory device context holding a bitmap for as long as it lives.
class SelectedBitmap {
public:
    explicit SelectedBitmap(HBITMAP bitmap);
    ~SelectedBitmap();
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC Dc() const { return dc; }

private:
    HDC dc;
    HGDIOBJ previous;
};

// A 32-bit top-down DIB section, black, that a test paints on.
HBITMAP CreateBlackSection(int32_t width, int32_t height, int32_t bitsPerPixel = 32);

// A popup tool window (no frame, no taskbar button) whose client area has the
// given size, at the top left of the screen, shown without activation so that
// its pixels can be read back.
HWND CreateTestWindow(int32_t width, int32_t height);

// Each test starts with both pictures empty, the board solved at N = 4 and no
// main window, and leaves it so.
class RenderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the picture and loads it into the source picture and the canvas.
    void LoadBoth(const BitmapLayout& layout);
    std::string WritePicture(const BitmapLayout& layout, const std::string& name = "picture.bmp");
    void SetGrid(int32_t n);  // and the solved arrangement at that size
    void SetCell(int32_t row, int32_t column, int32_t code);

    TempDirectory folder;
};
