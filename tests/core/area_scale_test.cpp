// The area-weighted scaler against the plainest reading of its rule, the
// exact rational mean of the covered area, over many sizes, both pixel
// formats and both row orders; and one-pixel checkerboards, which must turn grey wherever an axis is
// halved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "render/area_scale.h"

namespace {

// A picture stored as a bitmap stores it: rows padded to 4 bytes, from the
// top or from the bottom, padding and unused bytes holding a stray value.
struct StoredPicture {
    std::vector<uint8_t> bytes;
    PixelRows rows;
};

StoredPicture Stored(int32_t width, int32_t height, int32_t bytesPerPixel, bool bottomUp) {
    StoredPicture picture;
    const int32_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    picture.bytes.assign(static_cast<size_t>(stride) * height, 0xA5);
    uint8_t* top = picture.bytes.data() + (bottomUp ? static_cast<size_t>(height - 1) * stride : 0);
    picture.rows = {top, bottomUp ? -stride : stride, bytesPerPixel, width, height};
    return picture;
}

uint8_t* Pixel(const PixelRows& rows, int32_t x, int32_t y) {
    return rows.Row(y) + x * rows.bytesPerPixel;
}

// Units shared by source pixel i and target pixel j on an axis where a source
// pixel spans targetSize units and a target pixel sourceSize units.
int64_t Overlap(int64_t i, int64_t j, int64_t sourceSize, int64_t targetSize) {
    const int64_t start = std::max(i * targetSize, j * sourceSize);
    const int64_t end = std::min((i + 1) * targetSize, (j + 1) * sourceSize);
    return std::max<int64_t>(0, end - start);
}

// Every target pixel within 1/2 + 1/64 of the exact mean (so exactly it when
// the mean is whole), its fourth byte 0.
void ExpectAreaMeans(const PixelRows& source, const PixelRows& target) {
    const int64_t area = int64_t{source.width} * source.height;
    for (int32_t y = 0; y < target.height; ++y)
        for (int32_t x = 0; x < target.width; ++x) {
            int64_t sums[3] = {0, 0, 0};
            for (int32_t j = 0; j < source.height; ++j)
                for (int32_t i = 0; i < source.width; ++i) {
                    const int64_t weight = Overlap(i, x, source.width, target.width) *
                                           Overlap(j, y, source.height, target.height);
                    for (int c = 0; c < 3; ++c)
                        sums[c] += weight * Pixel(source, i, j)[c];
                }
            const uint8_t* out = Pixel(target, x, y);
            for (int c = 0; c < 3; ++c)
                ASSERT_LE(64 * std::abs(out[c] * area - sums[c]), 33 * area)
                    << "pixel " << x << "," << y << " channel " << c << " is " << int{out[c]} << ", the mean "
                    << static_cast<double>(sums[c]) / area;
            ASSERT_EQ(out[3], 0) << x << "," << y;
        }
}

struct Sizes {
    int32_t sourceWidth, sourceHeight, targetWidth, targetHeight;
};

// Random pictures against the exact mean; flat ones, large ones among them,
// kept exactly.
TEST(AreaScale, EveryPixelIsTheRoundedMeanOfTheAreaItCovers) {
    std::vector<Sizes> cases = {
        {1, 1, 1, 1},     {5, 3, 5, 3},     {3, 5, 7, 2},          {65535, 1, 7, 1},
        {1, 65535, 2, 3}, {3, 2, 65535, 1}, {4200, 4200, 300, 300}  // the largest sums: 255 * 4200 * 4200 is past 2^32
    };
    std::mt19937 random(18);
    std::uniform_int_distribution<int32_t> side(1, 13);
    for (int i = 0; i < 200; ++i)
        cases.push_back({side(random), side(random), side(random), side(random)});
    for (size_t k = 0; k < cases.size(); ++k) {
        const Sizes& s = cases[k];
        // Each case in one of the formats and row orders, in turn.
        const int32_t bytesPerPixel = k % 2 ? 4 : 3;
        StoredPicture source = Stored(s.sourceWidth, s.sourceHeight, bytesPerPixel, k / 2 % 2);
        StoredPicture target = Stored(s.targetWidth, s.targetHeight, 4, k / 4 % 2);
        SCOPED_TRACE(testing::Message() << s.sourceWidth << "x" << s.sourceHeight << " to " << s.targetWidth << "x"
                                        << s.targetHeight << ", " << bytesPerPixel << " bytes, case " << k);
        const bool small = int64_t{s.sourceWidth} * s.sourceHeight * s.targetWidth * s.targetHeight < 1 << 20;
        const uint8_t flat[3] = {static_cast<uint8_t>(random()), 255, static_cast<uint8_t>(random())};
        for (bool isFlat : {false, true}) {
            if (!isFlat && !small)
                continue;  // the reference would take too long
            for (int32_t y = 0; y < s.sourceHeight; ++y)
                for (int32_t x = 0; x < s.sourceWidth; ++x)
                    for (int c = 0; c < 3; ++c)
                        Pixel(source.rows, x, y)[c] = isFlat ? flat[c] : static_cast<uint8_t>(random());
            ASSERT_EQ(ScaleByArea(source.rows, target.rows), 1);
            if (!isFlat)
                ExpectAreaMeans(source.rows, target.rows);
            for (int32_t y = 0; isFlat && y < s.targetHeight; ++y)
                for (int32_t x = 0; x < s.targetWidth; ++x)
                    ASSERT_EQ(std::memcmp(Pixel(target.rows, x, y), flat, 3), 0) << x << "," << y;
        }
    }
}

TEST(AreaScale, OnePixelCheckerboardsTurnGreyWhereAnAxisIsHalved) {
    const Sizes cases[] = {{2, 2, 1, 1}, {14, 10, 7, 5}, {3, 2, 2, 1},          {2, 3, 1, 2},     {5, 2, 7, 1},
                           {9, 6, 4, 3}, {4, 9, 2, 13},  {1280, 960, 640, 480}, {65535, 2, 3, 1}, {2, 65534, 1, 7}};
    for (const Sizes& s : cases) {
        StoredPicture source = Stored(s.sourceWidth, s.sourceHeight, 3, true);
        StoredPicture target = Stored(s.targetWidth, s.targetHeight, 4, false);
        for (int32_t y = 0; y < s.sourceHeight; ++y)
            for (int32_t x = 0; x < s.sourceWidth; ++x)
                for (int c = 0; c < 3; ++c)
                    Pixel(source.rows, x, y)[c] = (x + y) % 2 ? 255 : 0;
        ASSERT_EQ(ScaleByArea(source.rows, target.rows), 1);
        for (int32_t y = 0; y < s.targetHeight; ++y)
            for (int32_t x = 0; x < s.targetWidth; ++x)
                for (int c = 0; c < 3; ++c) {
                    const int value = Pixel(target.rows, x, y)[c];
                    ASSERT_TRUE(value == 127 || value == 128)
                        << s.sourceWidth << "x" << s.sourceHeight << " to " << s.targetWidth << "x" << s.targetHeight
                        << ": pixel " << x << "," << y << " is " << value;
                }
    }
}

}  // namespace
