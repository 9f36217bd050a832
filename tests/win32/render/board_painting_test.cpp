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
};

// 400 x 300 at N = 3: cells of 133 x 100, so column 399 lies beyond the grid
// and the rows divide evenly; at N = 4 cells of 100 x 75 fill it.
TEST_F(BoardPainting, StripsBeyondTheGridShowThePicturesOwnPixelsAndAtNFourThereIsNone) {
    LoadBoth(BitmapLayout{400, 300, 24, PatternPixel});
    SetGrid(3);
    Pixels pixels = Paint(400, 300);
    for (int32_t y = 0; y < 300; ++y)
        ASSERT_EQ(pixels.At(399, y), PatternPixel(399, y)) << "row " << y;
    EXPECT_NE(pixels.At(398, 10), PatternPixel(398, 10)) << "the grid's last column is bevelled";

    SetGrid(4);
    CellAt(gameState.board, 3, 3) = 15;
    pixels = Paint(400, 300);
    for (int32_t y = 0; y < 300; ++y)
        ASSERT_EQ(pixels.At(399, y), DarkenColour(PatternPixel(399, y))) << "right edge, row " << y;
    for (int32_t x = 0; x < 400; ++x)
        ASSERT_EQ(pixels.At(x, 299), DarkenColour(PatternPixel(x, 299))) << "bottom edge, column " << x;
}

// 152 x 122 leaves a strip at the right and at the bottom at every N.
TEST_F(BoardPainting, AWonBoardShowsAllTilesBevelledAndTheStripsUntouched) {
    for (const int32_t n : {3, 4, 5}) {
        LoadBoth(BitmapLayout{152, 122, 24, PatternPixel});  // a fresh canvas
        SetGrid(n);
        CellAt(gameState.board, n - 1, n - 1) = n * n - 1;
        const CellSize cell = CellSizeFor(152, 122, n);
        const Pixels pixels = Paint(152, 122);
        for (int32_t tile = 0; tile < n * n; ++tile)
            ExpectTileAt(pixels, tile / n, tile % n, tile, cell);
        for (int32_t y = 0; y < 122; ++y)
            for (int32_t x = 0; x < 152; ++x)
                if (x >= n * cell.width || y >= n * cell.height) {
                    ASSERT_EQ(pixels.At(x, y), PatternPixel(x, y)) << n << ": " << x << "," << y;
                }
    }
}

TEST_F(BoardPainting, ShuffledTilesComeFromTheirHomeCellsAndTheEmptyCellIsBlackEdgesIncluded) {
    LoadBoth(BitmapLayout{120, 90, 24, PatternPixel});
    SetGrid(3);
    const int32_t cells[9] = {7, 0, 5, 3, EMPTY_CELL, 1, 6, 2, 4};
    for (int32_t i = 0; i < 9; ++i)
        CellAt(gameState.board, i / 3, i % 3) = cells[i];
    const Pixels pixels = Paint(120, 90);
    for (int32_t i = 0; i < 9; ++i)
        if (cells[i] == EMPTY_CELL) {
            const PixelPoint place = CellOrigin(i / 3, i % 3, CellSize{40, 30});
            for (int32_t y = 0; y < 30; ++y)
                for (int32_t x = 0; x < 40; ++x)
                    ASSERT_EQ(pixels.At(place.x + x, place.y + y), 0u) << x << "," << y;
        } else {
            ExpectTileAt(pixels, i / 3, i % 3, cells[i], CellSize{40, 30});
        }
}

TEST_F(BoardPainting, ATileAtItsOwnPlaceDiffersFromThePictureOnlyOnItsEdges) {
    LoadBoth(BitmapLayout{90, 90, 24, PatternPixel});
    SetGrid(3);
    const Pixels pixels = Paint(90, 90);
    for (int32_t y = 30; y < 60; ++y)
        for (int32_t x = 30; x < 60; ++x) {
            const bool edge = x == 30 || x == 59 || y == 30 || y == 59;
            ASSERT_EQ(pixels.At(x, y) != PatternPixel(x, y), edge) << x << "," << y;
        }
}

TEST_F(BoardPainting, PaintInARealWindowShowsTheSamePixels) {
    LoadBoth(BitmapLayout{120, 90, 24, PatternPixel});
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

TEST_F(BoardPainting, ACanvasWithoutBitmapPaintsTheClientAreaBlack) {
    ASSERT_EQ(sourcePicture.Load(moduleHandle, WritePicture(BitmapLayout{60, 60, 24, PatternPixel}).c_str()), 1);
    SetGrid(3);
    HBITMAP client = CreateBlackSection(80, 70);
    {
        SelectedBitmap dc(client);
        const RECT all = {0, 0, 80, 70};
        FillRect(dc.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        PaintBoard(dc.Dc());
    }
    EXPECT_EQ(ReadBitmap(client).values, std::vector<Colour>(80 * 70, 0u));
    DeleteObject(client);
}

}  // namespace
