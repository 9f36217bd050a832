// Worked values of the drawing arithmetic: where cells lie and tiles are cut,
// the bevel's clamped colour steps, and the slide's truncated frame offsets.
#include <gtest/gtest.h>

#include <vector>

#include "render/tile_geometry.h"

namespace {

TEST(CellGeometry, CellsAreWholeDivisionsAndATileIsCutFromItsHomeCell) {
    const CellSize cell = CellSizeFor(400, 300, 3);
    const PixelPoint origin = CellOrigin(2, 1, cell);                  // row 2, column 1
    const PixelPoint cut = TileSourceOrigin(7, 4, CellSize{100, 75});  // row 1, column 3
    const PixelRect up = SlideRectangle(2, 2, 2, 1, CellSize{37, 50});  // column 2, up from row 2
    EXPECT_EQ((std::vector<int32_t>{cell.width, cell.height, origin.x, origin.y, cut.x, cut.y}),
              (std::vector<int32_t>{133, 100, 133, 200, 300, 75}));
    EXPECT_EQ((std::vector<int32_t>{up.left, up.top, up.width, up.height}), (std::vector<int32_t>{74, 50, 37, 100}));
}

TEST(BevelColours, ChannelsStepByTwentyClampedAndTheTopByteIsCleared) {
    const struct {
        int channel, lightened, darkened;
    } channels[] = {{0, 20, 0}, {20, 40, 0}, {21, 41, 1}, {235, 255, 215}, {236, 255, 216}, {255, 255, 235}};
    for (const auto& c : channels) {
        EXPECT_EQ(LightenChannel(static_cast<uint8_t>(c.channel)), c.lightened) << c.channel;
        EXPECT_EQ(DarkenChannel(static_cast<uint8_t>(c.channel)), c.darkened) << c.channel;
    }
    EXPECT_EQ(LightenColour(0xFF0A64FAu), 0x001E78FFu);  // red 250, green 100, blue 10
    EXPECT_EQ(DarkenColour(0xFF0A64FAu), 0x000050E6u);
}

TEST(SlideFrames, OffsetsTruncateTowardZeroSoBothDirectionsMirror) {
    std::vector<int32_t> right, left;
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame) {
        right.push_back(FrameOffset(frame, 37));
        left.push_back(-FrameOffset(frame, -37));
    }
    EXPECT_EQ(right, (std::vector<int32_t>{3, 7, 11, 14, 18, 22, 25, 29, 33, 37}));
    EXPECT_EQ(left, right);
}

}  // namespace
