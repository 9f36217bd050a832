// The size a picture is shown at, worked by hand on the usual work areas
// (given as the largest client areas whose windows fit them) at 100%, 150%
// and 250% scaling.
#include <gtest/gtest.h>

#include <string>

#include "render/picture_fit.h"

namespace {

TEST(PictureFit, ScaledByTheDisplayCappedByTheWorkAreaProportionsKeptRoundedDown) {
    const struct {
        int32_t width, height, dpi, maxWidth, maxHeight, minimumSide, shownWidth, shownHeight;
    } cases[] = {
        // picture, dpi, largest client area, minimum side: shown size
        {640, 480, 96, 1280, 680, 3, 640, 480},    // fits: exactly as stored
        {1280, 680, 96, 1280, 680, 3, 1280, 680},  // fills the area exactly
        {1281, 680, 96, 1280, 680, 3, 1280, 679},  // a pixel too wide
        {1280, 681, 96, 1280, 680, 3, 1278, 680},  // a pixel too high
        {1024, 768, 144, 1280, 680, 3, 906, 680},  // fits at 100%, too high at 150%
        {853, 453, 144, 1280, 680, 3, 1279, 679},  // 1279.5 x 679.5 fits
        {854, 454, 144, 1280, 680, 3, 1279, 680},  // 1281 x 681 misses by a pixel
        {853, 480, 240, 1280, 680, 3, 1208, 680},
        {637, 491, 144, 1920, 1040, 3, 955, 736},
        {4000, 500, 96, 1920, 1040, 3, 1920, 240},    // too wide
        {4000, 3000, 96, 1920, 1040, 3, 1386, 1040},  // both, the height binding
        {320, 240, 240, 1920, 1040, 3, 800, 600},
        {500, 2000, 96, 1366, 728, 3, 182, 728},  // too high
        {4000, 3000, 240, 1366, 728, 3, 970, 728},
        {547, 292, 240, 1366, 728, 3, 1363, 728},
        {4000, 10, 96, 1280, 680, 8, 1280, 8},  // the minimum side holds
        {4000, 10, 96, 1280, 680, 1, 1280, 3},
        // Nonsense: a dpi of 0 as 96, sides below 1 and minimums below 1 as 1, limits below the minimum as the minimum.
        {640, 480, 0, 1280, 680, 3, 640, 480},
        {0, -5, 96, 1280, 680, 4, 4, 4},
        {4000, 1, 96, 1280, 0, 0, 1280, 1},
        {1000, 100, 96, 5000, 0, 30, 300, 30}};
    for (const auto& c : cases) {
        const ShownSize shown = FitPicture(c.width, c.height, c.dpi, c.maxWidth, c.maxHeight, c.minimumSide);
        EXPECT_EQ(std::to_string(shown.width) + "x" + std::to_string(shown.height),
                  std::to_string(c.shownWidth) + "x" + std::to_string(c.shownHeight))
            << c.width << "x" << c.height << " at " << c.dpi << " dpi on " << c.maxWidth << "x" << c.maxHeight;
    }
}

}  // namespace
