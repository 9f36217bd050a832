// AnimateSlide: the last frame is what PaintBoard draws for the updated
// board, on the canvas and in a real window; nothing outside the two cells
// changes; the tile that moves is the one the board holds in the from-cell.
#include "render_support.h"

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/slide_animation.h"
#include "render/tile_geometry.h"

namespace {

constexpr int32_t WIDTH = 111;  // cells of 37 x 30 at N = 3: uneven steps
constexpr int32_t HEIGHT = 90;

struct Move {
    int32_t fromColumn, fromRow, toColumn, toRow;
    const char* name;
};

class SlideAnimation : public RenderTest, public ::testing::WithParamInterface<Move> {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        LoadBoth(BitmapLayout{WIDTH, HEIGHT, 24, PatternPixel});
        mainWindow = CreateTestWindow(WIDTH, HEIGHT);
        ASSERT_NE(mainWindow, nullptr);
    }

    void PaintWindow() {
        HDC dc = GetDC(mainWindow);
        PaintBoard(dc);
        ReleaseDC(mainWindow, dc);
    }

    // A shuffled 3x3 board whose empty cell is the move's to-cell.
    void PrepareBoard(const Move& move) {
        SetGrid(3);
        const int32_t cells[9] = {4, 7, 1, 0, 6, 2, 3, 5, 8};
        for (int32_t i = 0; i < 9; ++i)
            CellAt(gameState.board, i / 3, i % 3) = cells[i];
        CellAt(gameState.board, move.toRow, move.toColumn) = EMPTY_CELL;
    }

    void UpdateBoard(const Move& move) {
        CellAt(gameState.board, move.toRow, move.toColumn) =
            CellAt(gameState.board, move.fromRow, move.fromColumn);
        CellAt(gameState.board, move.fromRow, move.fromColumn) = EMPTY_CELL;
    }

    static bool InRect(const PixelRect& rect, int32_t x, int32_t y) {
        return x >= rect.left && x < rect.left + rect.width && y >= rect.top &&
               y < rect.top + rect.height;
    }
};

TEST_P(SlideAnimation, LastFrameIsThePaintOfTheUpdatedBoard) {
    const Move move = GetParam();
    PrepareBoard(move);
    PaintWindow();
    AnimateSlide(move.fromColumn, move.fromRow, move.toColumn, move.toRow);
    const Pixels canvasAfterSlide = ReadBitmap(canvasPicture.Bitmap());
    const Pixels windowAfterSlide = ReadWindow(mainWindow, WIDTH, HEIGHT);
    EXPECT_EQ(windowAfterSlide.values, canvasAfterSlide.values) << "the window shows the canvas";

    UpdateBoard(move);
    PaintWindow();
    EXPECT_EQ(canvasAfterSlide.values, ReadBitmap(canvasPicture.Bitmap()).values) << "canvas";
    EXPECT_EQ(windowAfterSlide.values, ReadWindow(mainWindow, WIDTH, HEIGHT).values) << "window";
}

TEST_P(SlideAnimation, NothingOutsideTheTwoCellsChanges) {
    const Move move = GetParam();
    PrepareBoard(move);
    PaintWindow();
    // Marks outside the board's drawing, on the canvas and in the window, that
    // only a copy beyond the two cells would disturb.
    {
        SelectedBitmap canvas(canvasPicture.Bitmap());
        const RECT all = {0, 0, WIDTH, HEIGHT};
        FillRect(canvas.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC windowDc = GetDC(mainWindow);
    const RECT all = {0, 0, WIDTH, HEIGHT};
    FillRect(windowDc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    ReleaseDC(mainWindow, windowDc);
    const Pixels canvasBefore = ReadBitmap(canvasPicture.Bitmap());
    const Pixels windowBefore = ReadWindow(mainWindow, WIDTH, HEIGHT);

    AnimateSlide(move.fromColumn, move.fromRow, move.toColumn, move.toRow);
    const Pixels canvasAfter = ReadBitmap(canvasPicture.Bitmap());
    const Pixels windowAfter = ReadWindow(mainWindow, WIDTH, HEIGHT);
    const PixelRect area =
        SlideRectangle(move.fromColumn, move.fromRow, move.toColumn, move.toRow, CellSize{37, 30});
    int32_t changedInside = 0;
    for (int32_t y = 0; y < HEIGHT; ++y)
        for (int32_t x = 0; x < WIDTH; ++x) {
            if (InRect(area, x, y)) {
                changedInside += canvasAfter.At(x, y) != canvasBefore.At(x, y);
                ASSERT_EQ(windowAfter.At(x, y), canvasAfter.At(x, y)) << x << "," << y;
                continue;
            }
            ASSERT_EQ(canvasAfter.At(x, y), canvasBefore.At(x, y)) << "canvas " << x << "," << y;
            ASSERT_EQ(windowAfter.At(x, y), windowBefore.At(x, y)) << "window " << x << "," << y;
        }
    EXPECT_EQ(changedInside, area.width * area.height) << "both cells redrawn, nothing white left";
}

TEST_P(SlideAnimation, TileDrawnIsTheFromCells) {
    const Move move = GetParam();
    PrepareBoard(move);
    const int32_t tile = CellAt(gameState.board, move.fromRow, move.fromColumn);
    PaintWindow();
    AnimateSlide(move.fromColumn, move.fromRow, move.toColumn, move.toRow);
    const Pixels canvas = ReadBitmap(canvasPicture.Bitmap());
    const CellSize cell{37, 30};
    const PixelPoint home = TileSourceOrigin(tile, 3, cell);
    const PixelPoint to = CellOrigin(move.toRow, move.toColumn, cell);
    const PixelPoint from = CellOrigin(move.fromRow, move.fromColumn, cell);
    for (int32_t y = 0; y < cell.height; ++y)
        for (int32_t x = 0; x < cell.width; ++x) {
            ASSERT_EQ(canvas.At(to.x + x, to.y + y),
                      BevelledPixel(PatternPixel(home.x + x, home.y + y), x, y, cell.width, cell.height))
                << x << "," << y;
            ASSERT_EQ(canvas.At(from.x + x, from.y + y), 0u) << "from-cell left black";
        }
    EXPECT_EQ(CellAt(gameState.board, move.fromRow, move.fromColumn), tile) << "board unchanged";
    EXPECT_EQ(CellAt(gameState.board, move.toRow, move.toColumn), EMPTY_CELL);
}

INSTANTIATE_TEST_SUITE_P(Directions, SlideAnimation,
                         ::testing::Values(Move{0, 1, 1, 1, "Right"}, Move{2, 0, 1, 0, "Left"},
                                           Move{1, 0, 1, 1, "Down"}, Move{2, 2, 2, 1, "Up"}),
                         [](const ::testing::TestParamInfo<Move>& info) { return info.param.name; });

using SlideWithoutTarget = RenderTest;

TEST_F(SlideWithoutTarget, WithoutCanvasTheTwoCellsShowBlack) {
    ASSERT_EQ(sourcePicture.Load(moduleHandle, WritePicture(BitmapLayout{60, 60, 24, PatternPixel}).c_str()), 1);
    SetGrid(3);
    mainWindow = CreateTestWindow(60, 60);
    HDC windowDc = GetDC(mainWindow);
    const RECT all = {0, 0, 60, 60};
    FillRect(windowDc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(mainWindow, windowDc);
    AnimateSlide(2, 1, 2, 2);
    const Pixels shown = ReadWindow(mainWindow, 60, 60);
    for (int32_t y = 0; y < 60; ++y)
        for (int32_t x = 0; x < 60; ++x) {
            const bool inside = x >= 40 && y >= 20;
            ASSERT_EQ(shown.At(x, y), inside ? 0u : MakeColour(255, 255, 255)) << x << "," << y;
        }
}

TEST_F(SlideWithoutTarget, WithoutMainWindowNothingIsDrawn) {
    LoadBoth(BitmapLayout{60, 60, 24, PatternPixel});
    SetGrid(3);
    const std::string canvasBefore = SectionBytes(canvasPicture.Bitmap());
    AnimateSlide(2, 1, 2, 2);  // mainWindow is null: the screen is not a target
    EXPECT_EQ(SectionBytes(canvasPicture.Bitmap()), canvasBefore);
}

}  // namespace
