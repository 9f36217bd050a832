// PaintBoard: every cell drawn on the canvas (a bevelled tile, or black for
// the empty cell), the whole picture copied to the client area, the strips
// beyond the grid left as the picture's own pixels.
#include "render_support.h"

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/tile_geometry.h"

namespace {

class BoardPainting : public RenderTest {
protected:
    // Paints into a black section of the picture's size standing for the client area.
    Pixels Paint(int32_t width, int32_t height) {
        HBITMAP client = CreateBlackSection(width, height);
        {
            SelectedBitmap dc(client);
            PaintBoard(dc.Dc());
        }
        Pixels pixels = ReadBitmap(client);
        DeleteObject(client);
        return pixels;
    }

    // The cell at (row, column) shows tile with its bevel.
    void ExpectTileAt(const Pixels& pixels, int32_t row, int32_t column, int32_t tile, CellSize cell) {
        const PixelPoint place = CellOrigin(row, column, cell);
        const PixelPoint home = TileSourceOrigin(tile, gameState.gridSize, cell);
        for (int32_t y = 0; y < cell.height; ++y)
            for (int32_t x = 0; x < cell.width; ++x)
                ASSERT_EQ(pixels.At(place.x + x, place.y + y),
                          BevelledPixel(PatternPixel(home.x + x, home.y + y), x, y, cell.width, cell.height))
                    << "tile " << tile << " in cell " << row << "," << column << " at " << x << "," << y;
    }

    void ExpectBlackCell(const Pixels& pixels, int32_t row, int32_t column, CellSize cell) {
        const PixelPoint place = CellOrigin(row, column, cell);
        for (int32_t y = 0; y < cell.height; ++y)
            for (int32_t x = 0; x < cell.width; ++x)
                ASSERT_EQ(pixels.At(place.x + x, place.y + y), 0u) << x << "," << y;
    }
};

TEST_F(BoardPainting, StripsAtNThreeShowThePicturesOwnPixels) {
    LoadBoth(BitmapSpec{400, 300, 24, PatternPixel});
    SetGrid(3);
    const Pixels pixels = Paint(400, 300);
    // Cells are 133 x 100: column 399 lies beyond the grid; 300 rows divide evenly.
    for (int32_t y = 0; y < 300; ++y)
        ASSERT_EQ(pixels.At(399, y), PatternPixel(399, y)) << "row " << y;
    EXPECT_NE(pixels.At(398, 10), PatternPixel(398, 10)) << "the grid's last column is bevelled";
    ExpectBlackCell(pixels, 2, 2, CellSize{133, 100});
}

TEST_F(BoardPainting, NoStripAtNFour) {
    LoadBoth(BitmapSpec{400, 300, 24, PatternPixel});
    SetGrid(4);
    CellAt(gameState.board, 3, 3) = 15;
    const Pixels pixels = Paint(400, 300);
    const CellSize cell{100, 75};
    for (int32_t y = 0; y < 300; ++y)
        ASSERT_EQ(pixels.At(399, y), DarkenColour(PatternPixel(399, y))) << "right edge, row " << y;
    for (int32_t x = 0; x < 400; ++x)
        ASSERT_EQ(pixels.At(x, 299), DarkenColour(PatternPixel(x, 299))) << "bottom edge, column " << x;
    ExpectTileAt(pixels, 3, 3, 15, cell);
}

TEST_F(BoardPainting, StripsOnBothSidesKeepThePictureInEveryCorner) {
    LoadBoth(BitmapSpec{103, 52, 24, PatternPixel});
    SetGrid(5);  // cells 20 x 10: a strip 3 wide at the right, 2 high at the bottom
    const Pixels pixels = Paint(103, 52);
    for (int32_t y = 0; y < 52; ++y)
        for (int32_t x = 0; x < 103; ++x)
            if (x >= 100 || y >= 50) {
                ASSERT_EQ(pixels.At(x, y), PatternPixel(x, y)) << x << "," << y;
            }
}

TEST_F(BoardPainting, EmptyCellIsBlackEdgesIncluded) {
    LoadBoth(BitmapSpec{120, 90, 24, SolidPixel(MakeColour(255, 255, 255))});
    SetGrid(3);
    CellAt(gameState.board, 1, 1) = EMPTY_CELL;
    CellAt(gameState.board, 2, 2) = 4;
    const Pixels pixels = Paint(120, 90);
    ExpectBlackCell(pixels, 1, 1, CellSize{40, 30});
    EXPECT_EQ(pixels.At(39, 45), MakeColour(235, 235, 235)) << "the neighbour keeps its own bevel";
    EXPECT_EQ(pixels.At(80, 75), MakeColour(255, 255, 255));
}

TEST_F(BoardPainting, WonBoardShowsAllTilesBevelled) {
    LoadBoth(BitmapSpec{150, 120, 24, PatternPixel});
    for (const int32_t n : {3, 4, 5}) {
        SetGrid(n);
        CellAt(gameState.board, n - 1, n - 1) = n * n - 1;
        const CellSize cell = CellSizeFor(150, 120, n);
        const Pixels pixels = Paint(150, 120);
        for (int32_t tile = 0; tile < n * n; ++tile)
            ExpectTileAt(pixels, tile / n, tile % n, tile, cell);
    }
}

TEST_F(BoardPainting, SolvedArrangementShowsTheEmptyCellBottomRight) {
    LoadBoth(BitmapSpec{150, 120, 24, PatternPixel});
    SetGrid(4);
    const CellSize cell = CellSizeFor(150, 120, 4);
    const Pixels pixels = Paint(150, 120);
    for (int32_t tile = 0; tile < 15; ++tile)
        ExpectTileAt(pixels, tile / 4, tile % 4, tile, cell);
    ExpectBlackCell(pixels, 3, 3, cell);
}

TEST_F(BoardPainting, TileAtItsOwnPlaceDiffersFromThePictureOnlyOnItsEdges) {
    LoadBoth(BitmapSpec{90, 90, 24, PatternPixel});
    SetGrid(3);
    const Pixels pixels = Paint(90, 90);
    for (int32_t y = 30; y < 60; ++y)
        for (int32_t x = 30; x < 60; ++x) {
            const bool edge = x == 30 || x == 59 || y == 30 || y == 59;
            if (edge) {
                ASSERT_NE(pixels.At(x, y), PatternPixel(x, y)) << x << "," << y;
            } else {
                ASSERT_EQ(pixels.At(x, y), PatternPixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(BoardPainting, ShuffledTilesComeFromTheirHomeCells) {
    LoadBoth(BitmapSpec{120, 90, 24, PatternPixel});
    SetGrid(3);
    const int32_t cells[9] = {7, 0, 5, 3, EMPTY_CELL, 1, 6, 2, 4};
    for (int32_t i = 0; i < 9; ++i)
        CellAt(gameState.board, i / 3, i % 3) = cells[i];
    const Pixels pixels = Paint(120, 90);
    const CellSize cell{40, 30};
    for (int32_t i = 0; i < 9; ++i)
        if (cells[i] == EMPTY_CELL)
            ExpectBlackCell(pixels, i / 3, i % 3, cell);
        else
            ExpectTileAt(pixels, i / 3, i % 3, cells[i], cell);
}

TEST_F(BoardPainting, PaintInARealWindow) {
    LoadBoth(BitmapSpec{120, 90, 24, PatternPixel});
    SetGrid(3);
    CellAt(gameState.board, 2, 0) = EMPTY_CELL;
    CellAt(gameState.board, 2, 2) = 6;
    HWND window = CreateTestWindow(120, 90);
    ASSERT_NE(window, nullptr);
    HDC windowDc = GetDC(window);
    PaintBoard(windowDc);
    ReleaseDC(window, windowDc);
    const Pixels shown = ReadWindow(window, 120, 90);
    DestroyWindow(window);
    EXPECT_EQ(shown.values, Paint(120, 90).values);
}

TEST_F(BoardPainting, CanvasWithoutBitmapPaintsTheClientAreaBlack) {
    ASSERT_EQ(sourcePicture.Load(moduleHandle, WritePicture(BitmapSpec{60, 60, 24, PatternPixel}).c_str()), 1);
    SetGrid(3);
    HBITMAP client = CreateBlackSection(80, 70);
    {
        SelectedBitmap dc(client);
        HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        const RECT all = {0, 0, 80, 70};
        FillRect(dc.Dc(), &all, white);
        PaintBoard(dc.Dc());
    }
    const Pixels pixels = ReadBitmap(client);
    DeleteObject(client);
    EXPECT_EQ(pixels.values, std::vector<Colour>(80 * 70, 0u));
}

TEST_F(BoardPainting, EmptySourceLeavesTheCanvasTilesAsTheyWere) {
    LoadBoth(BitmapSpec{60, 60, 24, PatternPixel});
    SetGrid(3);
    sourcePicture.Release();  // the size of the last picture is kept
    const Pixels pixels = Paint(60, 60);
    for (int32_t y = 0; y < 60; ++y)
        for (int32_t x = 0; x < 60; ++x) {
            const bool emptyCell = x >= 40 && y >= 40;
            ASSERT_EQ(pixels.At(x, y), emptyCell ? 0u : PatternPixel(x, y)) << x << "," << y;
        }
}

}  // namespace
