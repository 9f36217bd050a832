// DrawTile: the interior copied, a one-pixel bevel lightened at the left and
// top and darkened at the right and bottom, with the later edge winning at
// each corner; and what is drawn when there is no room for a bevel.
#include "render_support.h"

#include "app/process_state.h"
#include "render/picture_bitmap.h"
#include "render/tile_geometry.h"

namespace {

constexpr Colour WHITE = MakeColour(255, 255, 255);
constexpr Colour BLACK = MakeColour(0, 0, 0);
constexpr Colour MARK = MakeColour(1, 2, 3);  // what the destination held before

class TileDrawing : public RenderTest, public ::testing::WithParamInterface<BevelMeans> {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        SetBevelMeans(GetParam());
    }

    // Draws one tile of the source picture onto a fresh marked 32-bit section
    // of width x height and reads it back.
    Pixels DrawOnto(int32_t width, int32_t height, int32_t destinationX, int32_t destinationY,
                    int32_t sourceX, int32_t sourceY, int32_t tileWidth, int32_t tileHeight) {
        HBITMAP target = CreateBlackSection(width, height);
        {
            SelectedBitmap dc(target);
            HBRUSH mark = CreateSolidBrush(MARK);
            const RECT all = {0, 0, width, height};
            FillRect(dc.Dc(), &all, mark);
            DeleteObject(mark);
            sourcePicture.DrawTile(dc.Dc(), destinationX, destinationY, sourceX, sourceY, tileWidth,
                                   tileHeight);
        }
        Pixels pixels = ReadBitmap(target);
        DeleteObject(target);
        return pixels;
    }

    void LoadSource(const BitmapLayout& layout) {
        ASSERT_EQ(sourcePicture.Load(moduleHandle, WritePicture(layout).c_str()), 1);
    }
};

TEST_P(TileDrawing, EveryPixelIsThePicturesWithTheBevelRule) {
    LoadSource(BitmapLayout{50, 40, 24, PatternPixel});
    const Pixels drawn = DrawOnto(30, 30, 3, 4, 17, 9, 21, 13);
    for (int32_t y = 0; y < 30; ++y)
        for (int32_t x = 0; x < 30; ++x) {
            const int32_t tileX = x - 3, tileY = y - 4;
            const bool inside = tileX >= 0 && tileX < 21 && tileY >= 0 && tileY < 13;
            const Colour expected =
                inside ? BevelledPixel(PatternPixel(17 + tileX, 9 + tileY), tileX, tileY, 21, 13) : MARK;
            ASSERT_EQ(drawn.At(x, y), expected) << "at " << x << "," << y;
        }
}

// Each row: the picture's one colour, then its lightened and darkened edges.
// Corners: left then top at the top left (lightened); the right or bottom
// edge, drawn later, wins at the other three (darkened).
TEST_P(TileDrawing, CornerTableAndChannelLimits) {
    const struct { Colour fill, light, dark; } rows[] = {
        {MakeColour(100, 150, 200), MakeColour(120, 170, 220), MakeColour(80, 130, 180)},
        {WHITE, WHITE, MakeColour(235, 235, 235)},
        {BLACK, MakeColour(20, 20, 20), BLACK},
        {MakeColour(236, 235, 21), MakeColour(255, 255, 41), MakeColour(216, 215, 1)},
        {MakeColour(20, 21, 236), MakeColour(40, 41, 255), MakeColour(0, 1, 216)},
    };
    for (const auto& row : rows) {
        LoadSource(BitmapLayout{8, 8, 24, SolidPixel(row.fill)});
        const Pixels drawn = DrawOnto(8, 8, 0, 0, 0, 0, 8, 8);
        const Colour expected[9] = {row.light, row.light, row.dark, row.light, row.fill,
                                    row.dark,  row.dark,  row.dark, row.dark};
        for (int32_t i = 0; i < 9; ++i) {
            const int32_t x = (i % 3) * 7 / 2, y = (i / 3) * 7 / 2;  // 0, 3 and 7
            EXPECT_EQ(drawn.At(x, y), expected[i]) << std::hex << row.fill << " at " << x << "," << y;
        }
    }
}

TEST_P(TileDrawing, TilesWithoutRoomForABevel) {
    LoadSource(BitmapLayout{10, 10, 24, PatternPixel});
    const Pixels twoByTwo = DrawOnto(4, 4, 1, 1, 3, 5, 2, 2);  // all bevel
    EXPECT_EQ(twoByTwo.At(1, 1), LightenColour(PatternPixel(3, 5)));
    EXPECT_EQ(twoByTwo.At(2, 1), DarkenColour(PatternPixel(4, 5)));
    EXPECT_EQ(twoByTwo.At(1, 2), DarkenColour(PatternPixel(3, 6)));
    EXPECT_EQ(twoByTwo.At(2, 2), DarkenColour(PatternPixel(4, 6)));
    EXPECT_EQ(twoByTwo.At(3, 3), MARK);
    // Narrower or lower than two pixels: copied without a bevel; without
    // area: nothing drawn.
    const struct { int32_t width, height; } sizes[] = {
        {1, 5}, {5, 1}, {1, 1}, {0, 5}, {5, 0}, {-3, 4}, {4, -3},
    };
    for (const auto size : sizes) {
        const Pixels drawn = DrawOnto(8, 8, 2, 2, 4, 3, size.width, size.height);
        for (int32_t y = 0; y < 8; ++y)
            for (int32_t x = 0; x < 8; ++x) {
                const bool inside = x >= 2 && x < 2 + size.width && y >= 2 && y < 2 + size.height;
                ASSERT_EQ(drawn.At(x, y), inside ? PatternPixel(x + 2, y + 1) : MARK)
                    << size.width << "x" << size.height << " at " << x << "," << y;
            }
    }
    sourcePicture.Release();
    EXPECT_EQ(DrawOnto(8, 8, 0, 0, 0, 0, 8, 8).values, std::vector<Colour>(64, MARK)) << "an empty picture";
}

TEST_P(TileDrawing, TileReachingPastTheDestinationIsClipped) {
    LoadSource(BitmapLayout{20, 20, 24, PatternPixel});
    const Pixels drawn = DrawOnto(10, 10, 5, -2, 0, 0, 8, 8);
    for (int32_t y = 0; y < 6; ++y)
        for (int32_t x = 5; x < 10; ++x)
            ASSERT_EQ(drawn.At(x, y), BevelledPixel(PatternPixel(x - 5, y + 2), x - 5, y + 2, 8, 8))
                << x << "," << y;
    EXPECT_EQ(drawn.At(4, 0), MARK);
    EXPECT_EQ(drawn.At(5, 6), MARK);
}

INSTANTIATE_TEST_SUITE_P(BothMeans, TileDrawing,
                         ::testing::Values(BevelMeans::Automatic, BevelMeans::PerPixel),
                         [](const ::testing::TestParamInfo<BevelMeans>& info) {
                             return info.param == BevelMeans::Automatic ? "Shipped" : "PerPixel";
                         });

}  // namespace
