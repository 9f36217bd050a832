// A bitmap file of every depth resampled as it is loaded for a game: each
// new pixel the mean of the four it covers at half the size, colour tables
// and 16-bit pixels averaged through their colours, rows in either order.
#include <gtest/gtest.h>

#include <cstdlib>

#include "render/picture_bitmap.h"
#include "support/test_support.h"
#include "tools/bitmaps/picture_section.h"

namespace {

constexpr int32_t WIDTH = 20;
constexpr int32_t HEIGHT = 14;

int32_t MeanOfFour(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
    return static_cast<int32_t>((a + b + c + d + 2) / 4);
}

bool Near(Colour actual, Colour expected) {
    return std::abs(static_cast<int32_t>(RedOf(actual)) - static_cast<int32_t>(RedOf(expected))) <= 1 &&
           std::abs(static_cast<int32_t>(GreenOf(actual)) - static_cast<int32_t>(GreenOf(expected))) <= 1 &&
           std::abs(static_cast<int32_t>(BlueOf(actual)) - static_cast<int32_t>(BlueOf(expected))) <= 1;
}

TEST(FittedPictures, HalvedBitmapsOfEveryDepthAreTheMeansOfTheirColours) {
    TempDirectory folder;
    const std::string path = folder.File("PuzzleHalved.bmp");
    // Top-down files of 24 and 32 bits are read in place; Wine's loader makes
    // the others black.
    const struct {
        int32_t bits;
        bool topDown;
    } files[] = {{4, false}, {8, false}, {16, false}, {24, false}, {24, true}, {32, false}, {32, true}};
    for (const auto [bits, topDown] : files) {
        const BitmapLayout layout{WIDTH, HEIGHT, bits, PatternPixel, topDown};
        ASSERT_TRUE(WriteBitmapFile(path, layout));
        PictureBitmap picture;
        ASSERT_EQ(picture.LoadFitted(GetModuleHandleA(nullptr), path.c_str(), {96, WIDTH / 2, HEIGHT, 3}), 1);
        ASSERT_EQ(picture.Width(), WIDTH / 2);
        ASSERT_EQ(picture.Height(), HEIGHT / 2);
        const std::vector<Colour> shown = BitmapPixels(picture.Bitmap());
        const auto stored = [&](int32_t x, int32_t y) { return StoredColour(layout, PatternPixel(x, y)); };
        for (int32_t y = 0; y < HEIGHT / 2; ++y)
            for (int32_t x = 0; x < WIDTH / 2; ++x) {
                const Colour four[4] = {stored(2 * x, 2 * y), stored(2 * x + 1, 2 * y), stored(2 * x, 2 * y + 1),
                                        stored(2 * x + 1, 2 * y + 1)};
                const Colour mean = MakeColour(
                    MeanOfFour(RedOf(four[0]), RedOf(four[1]), RedOf(four[2]), RedOf(four[3])),
                    MeanOfFour(GreenOf(four[0]), GreenOf(four[1]), GreenOf(four[2]), GreenOf(four[3])),
                    MeanOfFour(BlueOf(four[0]), BlueOf(four[1]), BlueOf(four[2]), BlueOf(four[3])));
                EXPECT_TRUE(Near(shown[static_cast<size_t>(y * WIDTH / 2 + x)], mean))
                    << bits << " bits" << (topDown ? ", top-down" : "") << " at " << x << "," << y;
            }
    }
}

}  // namespace
