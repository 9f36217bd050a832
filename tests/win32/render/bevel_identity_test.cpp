// The bevel drawn through the bitmaps' own bits gives exactly the pixels that
// GetPixel and SetPixel give, on every depth a picture can have; and the bits
// are reached directly only where the format allows it.
#include "render_support.h"

#include <algorithm>
#include <cstring>

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/picture_bitmap.h"

namespace {

// Index of the first byte in which a and b differ, or -1 when they are equal.
long FirstDifference(const std::string& a, const std::string& b) {
    if (a == b)
        return -1;
    return std::mismatch(a.begin(), a.end(), b.begin(), b.end()).first - a.begin();
}

class BevelIdentity : public RenderTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(BevelIdentity, PaintBoardGivesTheSameCanvasEitherWay) {
    // An odd width, so that rows carry padding, and a size no N divides.
    const std::string path = WritePicture(BitmapLayout{157, 122, GetParam(), PatternPixel});
    ASSERT_EQ(sourcePicture.Load(moduleHandle, path.c_str()), 1);
    std::vector<int32_t> reversed5;  // 24 down to 1, then the empty cell
    for (int32_t i = 0; i < 25; ++i)
        reversed5.push_back(i < 24 ? 24 - i : EMPTY_CELL);
    const std::vector<int32_t> boards[] = {
        {8, 0, 5, 3, EMPTY_CELL, 1, 6, 2, 4},
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
        reversed5,
    };
    for (const auto& cells : boards) {
        const int32_t n = cells.size() == 9 ? 3 : cells.size() == 16 ? 4 : 5;
        SetGrid(n);
        for (int32_t i = 0; i < n * n; ++i)
            CellAt(gameState.board, i / n, i % n) = cells[static_cast<size_t>(i)];
        std::string canvas[2];
        for (const BevelMeans means : {BevelMeans::PerPixel, BevelMeans::Automatic}) {
            ASSERT_EQ(canvasPicture.Load(moduleHandle, path.c_str()), 1);
            SetBevelMeans(means);
            HBITMAP client = CreateBlackSection(157, 122);
            {
                SelectedBitmap dc(client);
                PaintBoard(dc.Dc());
            }
            DeleteObject(client);
            canvas[means == BevelMeans::Automatic] = SectionBytes(canvasPicture.Bitmap());
        }
        ASSERT_FALSE(canvas[1].empty());
        EXPECT_EQ(FirstDifference(canvas[0], canvas[1]), -1) << "N " << n << ": first byte that differs";
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, BevelIdentity, ::testing::Values(4, 8, 16, 24, 32),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return std::to_string(info.param) + "Bits";
                         });

using DirectBitsChoice = RenderTest;

// Only sections of 24 and 32 bits, drawn with the shipped means onto an
// unshifted, unclipped section, are reached through their bits.
TEST_F(DirectBitsChoice, OnlyTwentyFourAndThirtyTwoBitSectionsAreReachedDirectly) {
    for (const int32_t bits : {1, 4, 8, 16, 24, 32}) {
        LoadBoth(BitmapLayout{40, 30, bits, PatternPixel});
        SelectedBitmap canvas(canvasPicture.Bitmap());
        EXPECT_EQ(sourcePicture.DrawsBevelThroughBits(canvas.Dc()), bits == 24 || bits == 32) << bits;
    }
    SelectedBitmap canvas(canvasPicture.Bitmap());
    SetBevelMeans(BevelMeans::PerPixel);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc()));
    SetBevelMeans(BevelMeans::Automatic);
    SetViewportOrgEx(canvas.Dc(), 3, 0, nullptr);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc())) << "shifted";
    SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
    IntersectClipRect(canvas.Dc(), 0, 0, 20, 20);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc())) << "clipped";

    HDC screen = GetDC(nullptr);
    HBITMAP deviceBitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    {
        SelectedBitmap target(deviceBitmap);
        EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(target.Dc())) << "device-dependent";
    }
    DeleteObject(deviceBitmap);
}

// Sections made in memory, written byte by byte with the padding and the
// unused fourth bytes not 0, so that every byte a drawing touches shows.
HBITMAP Section(int32_t width, int32_t height, int32_t bits, bool topDown, const PixelFunction& pixel) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    const int32_t stride = (width * bits + 31) / 32 * 4;
    uint8_t* bytes = static_cast<uint8_t*>(pixels);
    std::memset(bytes, 0x5A, static_cast<size_t>(stride * height));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* at = bytes + (topDown ? y : height - 1 - y) * stride + x * bits / 8;
            const Colour colour = pixel(x, y);
            at[0] = static_cast<uint8_t>(BlueOf(colour));
            at[1] = static_cast<uint8_t>(GreenOf(colour));
            at[2] = static_cast<uint8_t>(RedOf(colour));
        }
    return section;
}

// Every mix of 24 and 32 bits and of both row orders, source and target in
// opposite orders. A uniform target and a picture that reads the same upside
// down hide a wrong row in the reads, so that only the writes show.
class SectionMix : public RenderTest,
                   public ::testing::WithParamInterface<std::tuple<int32_t, int32_t, bool>> {};

TEST_P(SectionMix, SameBitsEitherWay) {
    const auto [sourceBits, targetBits, topDown] = GetParam();
    const PixelFunction mirrored = [](int32_t x, int32_t y) { return PatternPixel(x, y < 21 ? y : 42 - y); };
    const struct { const char* name; PixelFunction picture, target; } cases[] = {
        {"pattern", PatternPixel, PatternPixel},
        {"uniform target", PatternPixel, SolidPixel(MakeColour(9, 8, 7))},
        {"mirrored picture", mirrored, PatternPixel},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(sourcePicture.Attach(Section(61, 43, sourceBits, topDown, c.picture)), 1);
        std::string results[2];
        const BevelMeans means[2] = {BevelMeans::PerPixel, BevelMeans::Automatic};
        for (int i = 0; i < 2; ++i) {
            SetBevelMeans(means[i]);
            HBITMAP target = Section(50, 40, targetBits, !topDown, c.target);
            {
                SelectedBitmap dc(target);
                EXPECT_EQ(sourcePicture.DrawsBevelThroughBits(dc.Dc()), i == 1);
                sourcePicture.DrawTile(dc.Dc(), 3, 5, 7, 2, 33, 29);
                sourcePicture.DrawTile(dc.Dc(), 40, 30, 0, 0, 10, 10);
            }
            results[i] = SectionBytes(target);
            DeleteObject(target);
        }
        EXPECT_EQ(FirstDifference(results[0], results[1]), -1) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, SectionMix,
                         ::testing::Combine(::testing::Values(24, 32), ::testing::Values(24, 32),
                                            ::testing::Bool()));

}  // namespace
