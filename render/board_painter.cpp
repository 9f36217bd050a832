// PaintBoard: the board composed on the canvas, then copied to the window.
#include "render/board_painter.h"

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/tile_geometry.h"

namespace {

void DrawCell(HDC canvasDc, int32_t row, int32_t column, CellSize cell) {
    const int32_t n = gameState.gridSize;
    const int32_t tile = CellAt(gameState.board, row, column);
    const PixelPoint place = CellOrigin(row, column, cell);
    if (tile == EMPTY_CELL) {
        FillBlack(canvasDc, RECT{place.x, place.y, place.x + cell.width, place.y + cell.height});
        return;
    }
    const PixelPoint home = TileSourceOrigin(tile, n, cell);
    sourcePicture.DrawTile(canvasDc, place.x, place.y, home.x, home.y, cell.width, cell.height);
}

}  // namespace

void FillBlack(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void PaintBoard(HDC clientDc) {
    const int32_t pictureWidth = sourcePicture.Width();
    const int32_t pictureHeight = sourcePicture.Height();
    const int32_t n = gameState.gridSize;
    const HBITMAP canvas = canvasPicture.Bitmap();
    if (!canvas) {
        // Nothing to copy from: show black rather than undefined pixels.
        RECT paintable = {};
        GetClipBox(clientDc, &paintable);
        FillBlack(clientDc, paintable);
        return;
    }

    HDC canvasDc = CreateCompatibleDC(clientDc);
    const HGDIOBJ previous = SelectObject(canvasDc, canvas);
    const CellSize cell = CellSizeFor(pictureWidth, pictureHeight, n);
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column)
            DrawCell(canvasDc, row, column, cell);
    BitBlt(clientDc, 0, 0, pictureWidth, pictureHeight, canvasDc, 0, 0, SRCCOPY);
    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
}
