// A 3x2 picture of distinct pixels, stored bottom-up in padded rows, turned
// upright per each EXIF orientation; a larger one turned and turned back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/orientation.h"

namespace {

TEST(Orientation, EachOrientationShowsTheStoredPictureUpright) {
    const char* const upright[] = {
        // rows top down, of the stored rows "abc" over "def"; 0 and 9 count as 1
        "abc/def/",  "abc/def/",  "cba/fed/", "fed/cba/", "def/abc/", "ad/be/cf/",
        "da/eb/fc/",  // a phone photo held upright: stored turned anticlockwise, the sky on the left
        "fc/eb/da/", "cf/be/ad/", "abc/def/"};
    for (int32_t orientation = 0; orientation <= 9; ++orientation) {
        std::vector<uint32_t> stored = {'d', 'e', 'f', 0, 'a', 'b', 'c', 0};  // bottom row first, 4 pixels a row
        const PixelRows source{reinterpret_cast<uint8_t*>(&stored[4]), -16, 4, 3, 2};
        const bool sideways = orientation >= 5 && orientation <= 8;
        std::vector<uint32_t> shown(6);
        const PixelRows target{reinterpret_cast<uint8_t*>(shown.data()), sideways ? 8 : 12, 4, sideways ? 2 : 3,
                               sideways ? 3 : 2};
        OrientUpright(source, target, orientation);
        std::string rows;
        for (int32_t i = 0; i < 6; ++i)
            rows += std::string(1, static_cast<char>(shown[i])) + ((i + 1) % target.width == 0 ? "/" : "");
        EXPECT_EQ(rows, upright[orientation]) << orientation;
    }
}

TEST(Orientation, TurningBackRestoresAPictureTallerAndWiderThanABand) {
    const int32_t width = 37, height = 21, inverse[] = {0, 1, 2, 3, 4, 5, 8, 7, 6};
    std::vector<uint32_t> stored(width * height);
    for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<uint32_t>(i);
    const auto rows = [](std::vector<uint32_t>& pixels, int32_t across, int32_t down) {
        return PixelRows{reinterpret_cast<uint8_t*>(pixels.data()), across * 4, 4, across, down};
    };
    for (int32_t orientation = 1; orientation <= 8; ++orientation) {
        const bool sideways = orientation >= 5;
        std::vector<uint32_t> turned(stored.size()), back(stored.size());
        const PixelRows upright = rows(turned, sideways ? height : width, sideways ? width : height);
        OrientUpright(rows(stored, width, height), upright, orientation);
        OrientUpright(upright, rows(back, width, height), inverse[orientation]);
        EXPECT_EQ(back, stored) << orientation;
    }
}

}  // namespace
