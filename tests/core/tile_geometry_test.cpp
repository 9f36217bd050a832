// The drawing arithmetic: cell size, where tiles are cut, the bevel's colour
// rules and the slide's frame positions and rectangle.
#include <gtest/gtest.h>

#include <vector>

#include "render/tile_geometry.h"

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

TEST(CellGeometry, CellsAreIntegerDivisionsOfThePicture) {
    const CellSize three = CellSizeFor(400, 300, 3);
    EXPECT_EQ(three.width, 133);
    EXPECT_EQ(three.height, 100);
    const CellSize four = CellSizeFor(400, 300, 4);
    EXPECT_EQ(four.width, 100);
    EXPECT_EQ(four.height, 75);
    const CellSize tiny = CellSizeFor(4, 9, 5);
    EXPECT_EQ(tiny.width, 0);
    EXPECT_EQ(tiny.height, 1);
}

TEST(CellGeometry, CellOriginIsColumnTimesWidthAndRowTimesHeight) {
    const PixelPoint origin = CellOrigin(2, 1, CellSize{133, 100});
    EXPECT_EQ(origin.x, 133);
    EXPECT_EQ(origin.y, 200);
}

TEST(CellGeometry, TileIsCutFromItsHomeCell) {
    const CellSize cell{100, 75};
    const PixelPoint first = TileSourceOrigin(0, 4, cell);
    EXPECT_EQ(first.x, 0);
    EXPECT_EQ(first.y, 0);
    const PixelPoint seventh = TileSourceOrigin(7, 4, cell);  // row 1, column 3
    EXPECT_EQ(seventh.x, 300);
    EXPECT_EQ(seventh.y, 75);
    const PixelPoint last = TileSourceOrigin(24, 5, CellSize{320, 240});
    EXPECT_EQ(last.x, 1280);
    EXPECT_EQ(last.y, 960);
}

TEST(BevelColours, LightenAddsTwentyUpTo255) {
    EXPECT_EQ(LightenChannel(0), 20);
    EXPECT_EQ(LightenChannel(100), 120);
    EXPECT_EQ(LightenChannel(234), 254);
    EXPECT_EQ(LightenChannel(235), 255);
    EXPECT_EQ(LightenChannel(236), 255);
    EXPECT_EQ(LightenChannel(255), 255);
}

TEST(BevelColours, DarkenSubtractsTwentyDownToZero) {
    EXPECT_EQ(DarkenChannel(255), 235);
    EXPECT_EQ(DarkenChannel(22), 2);
    EXPECT_EQ(DarkenChannel(21), 1);
    EXPECT_EQ(DarkenChannel(20), 0);
    EXPECT_EQ(DarkenChannel(5), 0);
    EXPECT_EQ(DarkenChannel(0), 0);
}

TEST(BevelColours, ColourRulesWorkOnEachChannelApart) {
    EXPECT_EQ(LightenColour(Rgb(250, 100, 10)), Rgb(255, 120, 30));
    EXPECT_EQ(DarkenColour(Rgb(250, 100, 10)), Rgb(230, 80, 0));
    EXPECT_EQ(LightenColour(Rgb(236, 21, 20)), Rgb(255, 41, 40));
    EXPECT_EQ(DarkenColour(Rgb(236, 21, 20)), Rgb(216, 1, 0));
}

TEST(BevelColours, WhiteAndBlackEdges) {
    EXPECT_EQ(LightenColour(Rgb(255, 255, 255)), Rgb(255, 255, 255));
    EXPECT_EQ(DarkenColour(Rgb(255, 255, 255)), Rgb(235, 235, 235));
    EXPECT_EQ(LightenColour(0), Rgb(20, 20, 20));
    EXPECT_EQ(DarkenColour(0), 0u);
}

TEST(BevelColours, TopByteOfTheResultIsZero) {
    EXPECT_EQ(LightenColour(0xFF000000u | Rgb(1, 2, 3)), Rgb(21, 22, 23));
    EXPECT_EQ(DarkenColour(0xFFFFFFFFu), Rgb(235, 235, 235));
}

std::vector<int32_t> Offsets(int32_t distance) {
    std::vector<int32_t> offsets;
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame)
        offsets.push_back(FrameOffset(frame, distance));
    return offsets;
}

TEST(SlideFrames, ThirtySevenPixelCellsStepUnevenlyAndEndExactly) {
    EXPECT_EQ(Offsets(37), (std::vector<int32_t>{3, 7, 11, 14, 18, 22, 25, 29, 33, 37}));
}

TEST(SlideFrames, MovesLeftOrUpMirrorMovesRightOrDown) {
    EXPECT_EQ(Offsets(-37), (std::vector<int32_t>{-3, -7, -11, -14, -18, -22, -25, -29, -33, -37}));
}

TEST(SlideFrames, MultipleOfTenStepsEvenly) {
    EXPECT_EQ(Offsets(100), (std::vector<int32_t>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(Offsets(0), std::vector<int32_t>(10, 0));
}

TEST(SlideFrames, LastFrameIsExactForEveryDistance) {
    for (int32_t distance = -400; distance <= 400; ++distance)
        ASSERT_EQ(FrameOffset(SLIDE_FRAMES, distance), distance);
}

void ExpectRect(const PixelRect& rect, int32_t left, int32_t top, int32_t width, int32_t height) {
    EXPECT_EQ(rect.left, left);
    EXPECT_EQ(rect.top, top);
    EXPECT_EQ(rect.width, width);
    EXPECT_EQ(rect.height, height);
}

TEST(SlideRectangle, VerticalMoveCoversOneColumnAndTwoRows) {
    const CellSize cell{37, 50};
    ExpectRect(SlideRectangle(2, 1, 2, 2, cell), 74, 50, 37, 100);  // down
    ExpectRect(SlideRectangle(2, 2, 2, 1, cell), 74, 50, 37, 100);  // up
}

TEST(SlideRectangle, HorizontalMoveCoversTwoColumnsAndOneRow) {
    const CellSize cell{37, 50};
    ExpectRect(SlideRectangle(0, 3, 1, 3, cell), 0, 150, 74, 50);  // right
    ExpectRect(SlideRectangle(1, 3, 0, 3, cell), 0, 150, 74, 50);  // left
}

}  // namespace
