// DrawSlide, frame by frame: over the cells from the clicked one to the
// empty one only, the strip of tiles as the board showed them, together at
// frame k's share of one cell (k * cell / 10, truncated toward zero) on black,
// the last frame being the paint of the updated board; without a canvas,
// black in place of the picture.
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

// Frame k: the target as it was before the slide, but for the cells from
// move.from to move.to, where the strip of tiles before move.to, as the board
// was drawn, stands k tenths of a cell on towards move.to, on black.
std::vector<Colour> ExpectedFrame(const std::vector<Colour>& before, const TileMove& move, int32_t k) {
    const CellPosition from = move.from, to = move.to;
    const int32_t shiftX = k * ((to.column > from.column) - (to.column < from.column)) * CELL_WIDTH / 10;
    const int32_t shiftY = k * ((to.row > from.row) - (to.row < from.row)) * CELL_HEIGHT / 10;
    const int32_t left = std::min(from.column, to.column) * CELL_WIDTH;
    const int32_t right = (std::max(from.column, to.column) + 1) * CELL_WIDTH;
    const int32_t top = std::min(from.row, to.row) * CELL_HEIGHT;
    const int32_t bottom = (std::max(from.row, to.row) + 1) * CELL_HEIGHT;
    std::vector<Colour> expected = before;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            const int32_t fromX = x - shiftX, fromY = y - shiftY;
            const bool onStrip = fromX >= left && fromX < right && fromY >= top && fromY < bottom &&
                                 (fromX / CELL_WIDTH != to.column || fromY / CELL_HEIGHT != to.row);
            expected[static_cast<size_t>(y * WIDTH + x)] = onStrip ? before[static_cast<size_t>(fromY * WIDTH + fromX)]
                                                                   : 0;
        }
    return expected;
}

TEST(SlideFrames, EachFrameIsTheStripAtItsOffsetOnBlackOverItsCells) {
    TempDirectory folder;
    const std::string file = folder.File("picture.bmp");
    ASSERT_TRUE(WriteBitmapFile(file, {WIDTH, HEIGHT, 24, PatternPixel}));
    PictureBitmap source, canvas;
    ASSERT_EQ(source.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
    ASSERT_EQ(canvas.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
    const struct {
        const char* name;
        TileMove move;
    } slides[] = {{"right", {{0, 1}, {1, 1}}},
                  {"up", {{1, 2}, {1, 1}}},
                  {"two tiles left", {{2, 0}, {0, 0}}},
                  {"two tiles down", {{1, 0}, {1, 2}}}};
    for (const auto& [name, move] : slides) {
        Board board = {{4, 7, 1, 0, 0, 0, 6, 2, 0, 0, 3, 5, 8}};  // rows of BOARD_STRIDE cells
        CellAt(board, move.to.row, move.to.column) = EMPTY_CELL;
        DrawingTarget target({WIDTH, HEIGHT, 32, SolidPixel(WHITE)});
        DrawBoard(target.Dc(), BoardScene{board, 3, source, canvas});
        const std::vector<Colour> before = target.Pixels();
        ASSERT_EQ(canvas.Load(GetModuleHandleA(nullptr), file.c_str()), 1);  // not the board, as before a first paint
        capturedTarget = &target;
        frames.clear();
        DrawSlide(target.Dc(), BoardScene{board, 3, source, canvas}, move, CaptureFrame);
        ASSERT_EQ(frames.size(), 10u) << name;
        for (int32_t k = 1; k <= 10; ++k)
            EXPECT_EQ(FirstDifference(frames[k - 1], ExpectedFrame(before, move, k), WIDTH), "")
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
