// The bevel drawn through the bitmaps' own bits gives exactly the pixels that
// GetPixel and SetPixel give, on every depth a picture can have; and the bits
// are reached directly only where the format allows it.
#include "render_support.h"

#include <cstring>
#include <functional>

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/picture_bitmap.h"

namespace {

// Index of the first byte in which a and b differ, or -1 when they are equal.
long FirstDifference(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return static_cast<long>(a.size() < b.size() ? a.size() : b.size());
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i])
            return static_cast<long>(i);
    return -1;
}

class BevelIdentity : public RenderTest, public ::testing::WithParamInterface<int32_t> {
protected:
    // Paints the current board with the given means and returns the canvas's raw bytes.
    std::string PaintedCanvas(BevelMeans means, const std::string& path) {
        EXPECT_EQ(canvasPicture.Load(moduleHandle, path.c_str()), 1);
        SetBevelMeans(means);
        HBITMAP client = CreateBlackSection(canvasPicture.Width(), canvasPicture.Height());
        {
            SelectedBitmap dc(client);
            PaintBoard(dc.Dc());
        }
        DeleteObject(client);
        return SectionBytes(canvasPicture.Bitmap());
    }

    void ExpectSameBoth(const std::string& path, const char* board) {
        const std::string perPixel = PaintedCanvas(BevelMeans::PerPixel, path);
        const std::string shipped = PaintedCanvas(BevelMeans::Automatic, path);
        ASSERT_FALSE(shipped.empty());
        EXPECT_EQ(FirstDifference(shipped, perPixel), -1) << board << ": first canvas byte that differs";
    }

    void SetBoard(int32_t n, const std::vector<int32_t>& cells) {
        SetGrid(n);
        for (int32_t i = 0; i < n * n; ++i)
            CellAt(gameState.board, i / n, i % n) = cells[static_cast<size_t>(i)];
    }
};

TEST_P(BevelIdentity, SameCanvasEitherWay) {
    const int32_t bits = GetParam();
    // An odd width, so that rows carry padding, and a size no N divides.
    const std::string path = WritePicture(BitmapSpec{157, 122, bits, PatternPixel});
    ASSERT_EQ(sourcePicture.Load(moduleHandle, path.c_str()), 1);

    SetBoard(3, {8, 0, 5, 3, EMPTY_CELL, 1, 6, 2, 4});
    ExpectSameBoth(path, "shuffled 3x3");
    SetBoard(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    ExpectSameBoth(path, "won 4x4");
    SetBoard(5, {24, 23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2,
                 1, EMPTY_CELL});
    ExpectSameBoth(path, "reversed 5x5");
}

INSTANTIATE_TEST_SUITE_P(Depths, BevelIdentity, ::testing::Values(4, 8, 16, 24, 32),
                         [](const ::testing::TestParamInfo<int32_t>& info) {
                             return std::to_string(info.param) + "Bits";
                         });

using DirectBitsChoice = RenderTest;

TEST_F(DirectBitsChoice, OnlyTwentyFourAndThirtyTwoBitsAreReachedDirectly) {
    for (const int32_t bits : {1, 4, 8, 16, 24, 32}) {
        LoadBoth(BitmapSpec{40, 30, bits, PatternPixel});
        SelectedBitmap canvas(canvasPicture.Bitmap());
        EXPECT_EQ(sourcePicture.DrawsBevelThroughBits(canvas.Dc()), bits == 24 || bits == 32)
            << bits << " bits";
    }
}

TEST_F(DirectBitsChoice, PerPixelMeansIsNeverDirect) {
    LoadBoth(BitmapSpec{40, 30, 24, PatternPixel});
    SelectedBitmap canvas(canvasPicture.Bitmap());
    SetBevelMeans(BevelMeans::PerPixel);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc()));
}

TEST_F(DirectBitsChoice, ClippedOrShiftedDestinationIsDrawnPerPixel) {
    LoadBoth(BitmapSpec{40, 30, 24, PatternPixel});
    SelectedBitmap canvas(canvasPicture.Bitmap());
    ASSERT_TRUE(sourcePicture.DrawsBevelThroughBits(canvas.Dc()));
    SetViewportOrgEx(canvas.Dc(), 3, 0, nullptr);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc()));
    SetViewportOrgEx(canvas.Dc(), 0, 0, nullptr);
    IntersectClipRect(canvas.Dc(), 0, 0, 20, 20);
    EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(canvas.Dc()));
}

TEST_F(DirectBitsChoice, DeviceDependentDestinationIsDrawnPerPixel) {
    LoadBoth(BitmapSpec{40, 30, 24, PatternPixel});
    HDC screen = GetDC(nullptr);
    HBITMAP deviceBitmap = CreateCompatibleBitmap(screen, 40, 30);
    ReleaseDC(nullptr, screen);
    {
        SelectedBitmap target(deviceBitmap);
        EXPECT_FALSE(sourcePicture.DrawsBevelThroughBits(target.Dc()));
    }
    DeleteObject(deviceBitmap);
}

// Sections made in memory, of every mix of 24 and 32 bits and of both row
// orders, drawn both ways.
class SectionMix : public RenderTest,
                   public ::testing::WithParamInterface<std::tuple<int32_t, int32_t, bool>> {};

HBITMAP Section(int32_t width, int32_t height, int32_t bits, bool topDown, const PixelFunction& pixel) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = topDown ? -height : height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    void* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    // Written byte by byte, with padding and the unused fourth bytes not 0,
    // so that every byte a drawing touches shows.
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

HBITMAP PatternSection(int32_t width, int32_t height, int32_t bits, bool topDown) {
    return Section(width, height, bits, topDown, PatternPixel);
}

// Draws two tiles of the source picture on a fresh target, both ways, and
// gives the target's bytes.
void DrawBothWays(const std::function<HBITMAP()>& makeTarget, std::string (&results)[2]) {
    const BevelMeans means[2] = {BevelMeans::PerPixel, BevelMeans::Automatic};
    for (int i = 0; i < 2; ++i) {
        SetBevelMeans(means[i]);
        HBITMAP target = makeTarget();
        {
            SelectedBitmap dc(target);
            EXPECT_EQ(sourcePicture.DrawsBevelThroughBits(dc.Dc()), i == 1);
            sourcePicture.DrawTile(dc.Dc(), 3, 5, 7, 2, 33, 29);
            sourcePicture.DrawTile(dc.Dc(), 40, 30, 0, 0, 10, 10);
        }
        results[i] = SectionBytes(target);
        DeleteObject(target);
    }
}

TEST_P(SectionMix, SameBitsEitherWay) {
    const auto [sourceBits, targetBits, topDown] = GetParam();
    ASSERT_EQ(sourcePicture.Attach(PatternSection(61, 43, sourceBits, topDown)), 1);
    std::string results[2];
    DrawBothWays([&] { return PatternSection(50, 40, targetBits, !topDown); }, results);
    EXPECT_EQ(FirstDifference(results[0], results[1]), -1);
}

// A destination that reads the same upside down still gets every write in
// its right row, and nothing else in it changes.
TEST_P(SectionMix, UniformDestination) {
    const auto [sourceBits, targetBits, topDown] = GetParam();
    ASSERT_EQ(sourcePicture.Attach(PatternSection(61, 43, sourceBits, topDown)), 1);
    std::string results[2];
    DrawBothWays([&] { return Section(50, 40, targetBits, !topDown, SolidPixel(MakeColour(9, 8, 7))); },
                 results);
    EXPECT_EQ(FirstDifference(results[0], results[1]), -1);
}

// A picture that reads the same upside down is drawn alike from either order.
TEST_P(SectionMix, MirroredPicture) {
    const auto [sourceBits, targetBits, topDown] = GetParam();
    const PixelFunction mirrored = [](int32_t x, int32_t y) { return PatternPixel(x, y < 21 ? y : 42 - y); };
    ASSERT_EQ(sourcePicture.Attach(Section(61, 43, sourceBits, topDown, mirrored)), 1);
    std::string results[2];
    DrawBothWays([&] { return PatternSection(50, 40, targetBits, !topDown); }, results);
    EXPECT_EQ(FirstDifference(results[0], results[1]), -1);
}

INSTANTIATE_TEST_SUITE_P(Formats, SectionMix,
                         ::testing::Combine(::testing::Values(24, 32), ::testing::Values(24, 32),
                                            ::testing::Bool()));

}  // namespace
