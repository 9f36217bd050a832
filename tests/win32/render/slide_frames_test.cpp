// DrawSlide, frame by frame: over the two cells only, the tile at frame k's
// share of the distance (k * distance / 10, truncated toward zero) on black,
// the last frame being the paint of the updated board; without a canvas,
// black in place of the picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "render/slide_animation.h"
#include "support/test_support.h"

namespace {

constexpr int32_t WIDTH = 111;  // cells of 37 x 31 at N = 3: uneven steps both ways
constexpr int32_t HEIGHT = 95;
constexpr int32_t CELL_WIDTH = 37;
constexpr int32_t CELL_HEIGHT = 31;
constexpr Colour WHITE = MakeColour(255, 255, 255);

const DrawingTarget* capturedTarget = nullptr;
std::vector<std::vector<Colour>> frames;

void CaptureFrame(int32_t frame) {
    EXPECT_EQ(frame, static_cast<int32_t>(frames.size()) + 1);
    frames.push_back(capturedTarget->Pixels());
}

// Frame k: the target as it was before the slide, but for the two cells.
std::vector<Colour> ExpectedFrame(std::vector<Colour> before, const TileMove& move, int32_t tile, int32_t k) {
    const CellPosition from = move.from, to = move.to;
    const int32_t left = from.column * CELL_WIDTH + k * (to.column - from.column) * CELL_WIDTH / 10;
    const int32_t top = from.row * CELL_HEIGHT + k * (to.row - from.row) * CELL_HEIGHT / 10;
    const int32_t homeX = tile % 3 * CELL_WIDTH, homeY = tile / 3 * CELL_HEIGHT;
    const int32_t firstRow = std::min(from.row, to.row), lastRow = std::max(from.row, to.row);
    const int32_t firstColumn = std::min(from.column, to.column);
    const int32_t lastColumn = std::max(from.column, to.column);
    for (int32_t y = firstRow * CELL_HEIGHT; y < (lastRow + 1) * CELL_HEIGHT; ++y)
        for (int32_t x = firstColumn * CELL_WIDTH; x < (lastColumn + 1) * CELL_WIDTH; ++x) {
            const int32_t tileX = x - left, tileY = y - top;
            const bool onTile = tileX >= 0 && tileX < CELL_WIDTH && tileY >= 0 && tileY < CELL_HEIGHT;
            const Colour picture = PatternPixel(homeX + tileX, homeY + tileY);
            before[static_cast<size_t>(y * WIDTH + x)] =
                onTile ? BevelledPixel(picture, tileX, tileY, CELL_WIDTH, CELL_HEIGHT) : 0;
        }
    return before;
}

TEST(SlideFrames, EachFrameIsTheTileAtItsOffsetOnBlackOverTheTwoCells) {
    TempDirectory folder;
    const std::string file = folder.File("picture.bmp");
    ASSERT_TRUE(WriteBitmapFile(file, {WIDTH, HEIGHT, 24, PatternPixel}));
    PictureBitmap source, canvas;
    ASSERT_EQ(source.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
    ASSERT_EQ(canvas.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
    const struct { const char* name; TileMove move; } slides[] = {
        {"right", {{0, 1}, {1, 1}}},
        {"up", {{1, 2}, {1, 1}}},
    };
    for (const auto& [name, move] : slides) {
        Board board = {{4, 7, 1, 0, 0, 0, 6, 2, 0, 0, 3, 5, 8}};  // rows of BOARD_STRIDE cells
        CellAt(board, move.to.row, move.to.column) = EMPTY_CELL;
        const int32_t tile = CellAt(board, move.from.row, move.from.column);
        DrawingTarget target({WIDTH, HEIGHT, 32, SolidPixel(WHITE)});
        DrawBoard(target.Dc(), BoardScene{board, 3, source, canvas});
        const std::vector<Colour> before = target.Pixels();
        capturedTarget = &target;
        frames.clear();
        DrawSlide(target.Dc(), BoardScene{board, 3, source, canvas}, move, CaptureFrame);
        ASSERT_EQ(frames.size(), 10u) << name;
        for (int32_t k = 1; k <= 10; ++k)
            EXPECT_EQ(FirstDifference(frames[k - 1], ExpectedFrame(before, move, tile, k), WIDTH), "")
                << name << ", frame " << k;

        CellAt(board, move.to.row, move.to.column) = tile;
        CellAt(board, move.from.row, move.from.column) = EMPTY_CELL;
        DrawBoard(target.Dc(), BoardScene{board, 3, source, canvas});
        EXPECT_EQ(FirstDifference(frames.back(), target.Pixels(), WIDTH), "") << name;
    }
}

TEST(SlideFrames, WithoutACanvasTheTwoCellsAndThePaintableAreaGoBlack) {
    TempDirectory folder;
    const std::string file = folder.File("picture.bmp");
    ASSERT_TRUE(WriteBitmapFile(file, {60, 60, 24, PatternPixel}));
    PictureBitmap source, canvas;
    ASSERT_EQ(source.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
    const Board board = {};
    DrawingTarget target({80, 70, 32, SolidPixel(WHITE)});
    DrawSlide(target.Dc(), BoardScene{board, 3, source, canvas}, TileMove{{2, 1}, {2, 2}}, CaptureFrame);
    std::vector<Colour> expected;
    for (int32_t y = 0; y < 70; ++y)
        for (int32_t x = 0; x < 80; ++x)
            expected.push_back(x >= 40 && x < 60 && y >= 20 && y < 60 ? 0 : WHITE);
    EXPECT_EQ(FirstDifference(target.Pixels(), expected, 80), "") << "slide";
    DrawBoard(target.Dc(), BoardScene{board, 3, source, canvas});
    EXPECT_EQ(FirstDifference(target.Pixels(), std::vector<Colour>(80 * 70, 0), 80), "") << "paint";
}

}  // namespace
