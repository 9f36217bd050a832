// DrawSlide: ten frames of a tile gliding into the empty cell, composed on
// the canvas and copied, two cells at a time, to the window.
#include "render/slide_animation.h"

#include "render/tile_geometry.h"

namespace {

constexpr DWORD FRAME_PAUSE_MS = 10;

}  // namespace

void PauseBetweenFrames(int32_t) {
    Sleep(FRAME_PAUSE_MS);
}

void DrawSlide(HDC target, const BoardScene& scene, const TileMove& move, FramePause afterFrame) {
    const int32_t n = scene.gridSize;
    const CellSize cell = CellSizeFor(scene.source.Width(), scene.source.Height(), n);
    const PixelRect area = SlideRectangle(move.from.column, move.from.row, move.to.column, move.to.row, cell);
    const RECT areaRect = {area.left, area.top, area.left + area.width, area.top + area.height};
    HGDIOBJ previous = nullptr;
    HDC canvasDc = OpenCanvas(target, scene.canvas, areaRect, previous);
    if (!canvasDc)
        return;

    const PixelPoint start = CellOrigin(move.from.row, move.from.column, cell);
    const PixelPoint home = TileSourceOrigin(CellAt(scene.board, move.from.row, move.from.column), n, cell);
    const int32_t distanceX = (move.to.column - move.from.column) * cell.width;
    const int32_t distanceY = (move.to.row - move.from.row) * cell.height;
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame) {
        FillBlack(canvasDc, areaRect);
        scene.source.DrawTile(canvasDc, start.x + FrameOffset(frame, distanceX),
                              start.y + FrameOffset(frame, distanceY), home.x, home.y, cell.width,
                              cell.height);
        BitBlt(target, area.left, area.top, area.width, area.height, canvasDc, area.left, area.top,
               SRCCOPY);
        afterFrame(frame);
    }
    CloseCanvas(canvasDc, previous);
}
