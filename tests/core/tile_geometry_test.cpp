// The drawing arithmetic: cell size, where tiles are cut, the bevel's colour
// rules and the slide's frame positions and rectangle.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "render/tile_geometry.h"

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

TEST(CellGeometry, CellsAreIntegerDivisionsAndTilesAreCutFromTheirHomeCells) {
    const CellSize three = CellSizeFor(400, 300, 3), four = CellSizeFor(400, 300, 4);
    const CellSize tiny = CellSizeFor(4, 9, 5);
    EXPECT_EQ(std::make_pair(three.width, three.height), std::make_pair(133, 100));
    EXPECT_EQ(std::make_pair(four.width, four.height), std::make_pair(100, 75));
    EXPECT_EQ(std::make_pair(tiny.width, tiny.height), std::make_pair(0, 1));
    const PixelPoint origin = CellOrigin(2, 1, three);  // row 2, column 1
    EXPECT_EQ(std::make_pair(origin.x, origin.y), std::make_pair(133, 200));
    const PixelPoint seventh = TileSourceOrigin(7, 4, four);  // row 1, column 3
    EXPECT_EQ(std::make_pair(seventh.x, seventh.y), std::make_pair(300, 75));
    const PixelPoint last = TileSourceOrigin(24, 5, CellSize{320, 240});
    EXPECT_EQ(std::make_pair(last.x, last.y), std::make_pair(1280, 960));
}

TEST(BevelColours, LightenAddsTwentyUpTo255AndDarkenSubtractsTwentyDownToZero) {
    const struct { int channel, lightened, darkened; } cases[] = {
        {0, 20, 0}, {5, 25, 0}, {20, 40, 0}, {21, 41, 1}, {22, 42, 2}, {100, 120, 80},
        {234, 254, 214}, {235, 255, 215}, {236, 255, 216}, {255, 255, 235},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LightenChannel(static_cast<uint8_t>(c.channel)), c.lightened) << c.channel;
        EXPECT_EQ(DarkenChannel(static_cast<uint8_t>(c.channel)), c.darkened) << c.channel;
    }
}

TEST(BevelColours, ColourRulesWorkOnEachChannelApartAndClearTheTopByte) {
    EXPECT_EQ(LightenColour(Rgb(250, 100, 10)), Rgb(255, 120, 30));
    EXPECT_EQ(DarkenColour(Rgb(250, 100, 10)), Rgb(230, 80, 0));
    EXPECT_EQ(LightenColour(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(DarkenColour(Rgb(255, 255, 255)), Rgb(235, 235, 235));
    EXPECT_EQ(LightenColour(0), Rgb(20, 20, 20));
    EXPECT_EQ(DarkenColour(0), 0u);
    EXPECT_EQ(LightenColour(0xFF000000u | Rgb(1, 2, 3)), Rgb(21, 22, 23));
    EXPECT_EQ(DarkenColour(0xFFFFFFFFu), Rgb(235, 235, 235));
}

std::vector<int32_t> Offsets(int32_t distance) {
    std::vector<int32_t> offsets;
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame)
        offsets.push_back(FrameOffset(frame, distance));
    return offsets;
}

TEST(SlideFrames, OffsetsTruncateTowardZeroAndTheLastFrameIsExact) {
    EXPECT_EQ(Offsets(37), (std::vector<int32_t>{3, 7, 11, 14, 18, 22, 25, 29, 33, 37}));
    EXPECT_EQ(Offsets(-37), (std::vector<int32_t>{-3, -7, -11, -14, -18, -22, -25, -29, -33, -37}));
    EXPECT_EQ(Offsets(100), (std::vector<int32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    for (int32_t distance = -400; distance <= 400; ++distance)
        ASSERT_EQ(FrameOffset(SLIDE_FRAMES, distance), distance);
}

TEST(SlideRectangle, CoversBothCellsWhicheverTheDirection) {
    const CellSize cell{37, 50};
    const struct { int32_t fromColumn, fromRow, toColumn, toRow, left, top, width, height; } moves[] = {
        {2, 1, 2, 2, 74, 50, 37, 100},  // down
        {2, 2, 2, 1, 74, 50, 37, 100},  // up
        {0, 3, 1, 3, 0, 150, 74, 50},   // right
        {1, 3, 0, 3, 0, 150, 74, 50},   // left
    };
    for (const auto& m : moves) {
        const PixelRect rect = SlideRectangle(m.fromColumn, m.fromRow, m.toColumn, m.toRow, cell);
        EXPECT_EQ(rect.left, m.left);
        EXPECT_EQ(rect.top, m.top);
        EXPECT_EQ(rect.width, m.width);
        EXPECT_EQ(rect.height, m.height);
    }
}

}  // namespace
