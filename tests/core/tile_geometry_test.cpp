// The bevel's colour steps at the edges of their range, worked values that a
// pixel oracle sees only when a picture happens to hold those channel values.
#include <gtest/gtest.h>

#include "render/tile_geometry.h"

namespace {

TEST(BevelColours, ChannelsStepByTwentyClampedToTheirRangeAndTheTopByteIsCleared) {
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

}  // namespace
