// DrawBoard: the board composed on the canvas, then copied to the window.
#include "render/board_painter.h"

#include "render/tile_geometry.h"

namespace {

void DrawCell(HDC canvasDc, const BoardScene& scene, int32_t row, int32_t column, CellSize cell) {
    const int32_t tile = CellAt(scene.board, row, column);
    const PixelPoint place = CellOrigin(row, column, cell);
    if (tile == EMPTY_CELL) {
        FillBlack(canvasDc, RECT{place.x, place.y, place.x + cell.width, place.y + cell.height});
        return;
    }
    const PixelPoint home = TileSourceOrigin(tile, scene.gridSize, cell);
    scene.source.DrawTile(canvasDc, place.x, place.y, home.x, home.y, cell.width, cell.height);
}

RECT PaintableArea(HDC dc) {
    RECT area = {};
    GetClipBox(dc, &area);
    return area;
}

}  // namespace

HDC OpenCanvas(HDC target, const PictureBitmap& canvas, const RECT& fallbackArea, HGDIOBJ& previous) {
    if (!canvas.Bitmap()) {
        // Show black rather than undefined pixels.
        FillBlack(target, fallbackArea);
        return nullptr;
    }
    HDC canvasDc = CreateCompatibleDC(target);
    previous = SelectObject(canvasDc, canvas.Bitmap());
    return canvasDc;
}

void CloseCanvas(HDC canvasDc, HGDIOBJ previous) {
    if (!canvasDc)
        return;
    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
}

void FillBlack(HDC dc, const RECT& rect) {
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void DrawBoard(HDC target, const BoardScene& scene) {
    HGDIOBJ previous = nullptr;
    HDC canvasDc = OpenCanvas(target, scene.canvas, PaintableArea(target), previous);
    if (!canvasDc)
        return;
    const int32_t n = scene.gridSize;
    const CellSize cell = CellSizeFor(scene.source.Width(), scene.source.Height(), n);
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column)
            DrawCell(canvasDc, scene, row, column, cell);
    BitBlt(target, 0, 0, scene.source.Width(), scene.source.Height(), canvasDc, 0, 0, SRCCOPY);
    CloseCanvas(canvasDc, previous);
}
