// DrawSlide, frame by frame: over the cells from the clicked one to the
// empty one only, the strip of tiles together at frame k's share of one cell
// (k * cell / 10, truncated toward zero) on black, the last frame being the
// paint of the updated board; without a canvas, black in place of the picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/strip.h"
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

// True, with colour filled in, when (x, y) lies on tile drawn bevelled in cell
// (column, row) shifted by (shiftX, shiftY) pixels.
bool OnTile(int32_t tile, int32_t column, int32_t row, int32_t shiftX, int32_t shiftY, int32_t x, int32_t y,
            Colour& colour) {
    const int32_t tileX = x - column * CELL_WIDTH - shiftX, tileY = y - row * CELL_HEIGHT - shiftY;
    if (tileX < 0 || tileX >= CELL_WIDTH || tileY < 0 || tileY >= CELL_HEIGHT)
        return false;
    const Colour picture = PatternPixel(tile % 3 * CELL_WIDTH + tileX, tile / 3 * CELL_HEIGHT + tileY);
    colour = BevelledPixel(picture, tileX, tileY, CELL_WIDTH, CELL_HEIGHT);
    return true;
}

// Frame k: the target as it was before the slide, but for the cells from
// move.from to move.to, where each tile of the board between them stands
// k tenths of a cell on towards move.to, on black.
std::vector<Colour> ExpectedFrame(std::vector<Colour> before, const TileMove& move, const Board& board, int32_t k) {
    const CellPosition from = move.from, to = move.to;
    const int32_t stepX = (to.column > from.column) - (to.column < from.column);
    const int32_t stepY = (to.row > from.row) - (to.row < from.row);
    const int32_t firstRow = std::min(from.row, to.row), lastRow = std::max(from.row, to.row);
    const int32_t firstColumn = std::min(from.column, to.column);
    const int32_t lastColumn = std::max(from.column, to.column);
    for (int32_t y = firstRow * CELL_HEIGHT; y < (lastRow + 1) * CELL_HEIGHT; ++y)
        for (int32_t x = firstColumn * CELL_WIDTH; x < (lastColumn + 1) * CELL_WIDTH; ++x) {
            Colour colour = 0;
            for (int32_t column = from.column, row = from.row; column != to.column || row != to.row;
                 column += stepX, row += stepY)
                if (OnTile(CellAt(board, row, column), column, row, k * stepX * CELL_WIDTH / 10,
                           k * stepY * CELL_HEIGHT / 10, x, y, colour))
                    break;
            before[static_cast<size_t>(y * WIDTH + x)] = colour;
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
        {"two tiles left", {{2, 0}, {0, 0}}},
        {"two tiles down", {{1, 0}, {1, 2}}},
    };
    for (const auto& [name, move] : slides) {
        Board board = {{4, 7, 1, 0, 0, 0, 6, 2, 0, 0, 3, 5, 8}};  // rows of BOARD_STRIDE cells
        CellAt(board, move.to.row, move.to.column) = EMPTY_CELL;
        DrawingTarget target({WIDTH, HEIGHT, 32, SolidPixel(WHITE)});
        DrawBoard(target.Dc(), BoardScene{board, 3, source, canvas});
        const std::vector<Colour> before = target.Pixels();
        capturedTarget = &target;
        frames.clear();
        DrawSlide(target.Dc(), BoardScene{board, 3, source, canvas}, move, CaptureFrame);
        ASSERT_EQ(frames.size(), 10u) << name;
        for (int32_t k = 1; k <= 10; ++k)
            EXPECT_EQ(FirstDifference(frames[k - 1], ExpectedFrame(before, move, board, k), WIDTH), "")
                << name << ", frame " << k;

        SlideStrip(board, move);
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
