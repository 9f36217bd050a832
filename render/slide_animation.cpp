// DrawSlide: ten frames of a strip of tiles gliding together one cell on into
// the empty cell, the strip composed on the canvas and copied to the window
// at each frame's offset, what it leaves bare black.
#include "render/slide_animation.h"

#include "game/strip.h"
#include "render/tile_geometry.h"

namespace {

constexpr DWORD FRAME_PAUSE_MS = 10;

RECT AsRect(const PixelRect& area, int32_t offsetX = 0, int32_t offsetY = 0) {
    return {area.left + offsetX, area.top + offsetY, area.left + offsetX + area.width,
            area.top + offsetY + area.height};
}

void DrawTileMoved(HDC canvasDc, const BoardScene& scene, CellPosition at, CellSize cell, int32_t offsetX,
                   int32_t offsetY) {
    const PixelPoint start = CellOrigin(at.row, at.column, cell);
    const PixelPoint home = TileSourceOrigin(CellAt(scene.board, at.row, at.column), scene.gridSize, cell);
    scene.source.DrawTile(canvasDc, start.x + offsetX, start.y + offsetY, home.x, home.y, cell.width, cell.height);
}

void DrawStrip(HDC canvasDc, const BoardScene& scene, const TileMove& move, CellSize cell, int32_t offsetX,
               int32_t offsetY) {
    for (int32_t index = 0; index < StripLength(move); ++index)
        DrawTileMoved(canvasDc, scene, StripCell(move, index), cell, offsetX, offsetY);
}

// The tiles span the area across the line, so what they leave bare lies
// before and after them along it: together one cell, the tiles' last place.
void FillBare(HDC dc, const RECT& area, const RECT& tiles, bool alongRow) {
    if (alongRow) {
        FillBlack(dc, {area.left, area.top, tiles.left, area.bottom});
        FillBlack(dc, {tiles.right, area.top, area.right, area.bottom});
    } else {
        FillBlack(dc, {area.left, area.top, area.right, tiles.top});
        FillBlack(dc, {area.left, tiles.bottom, area.right, area.bottom});
    }
}

}  // namespace

void PauseBetweenFrames(int32_t) {
    Sleep(FRAME_PAUSE_MS);
}

void DrawSlide(HDC target, const BoardScene& scene, const TileMove& move, FramePause afterFrame) {
    const CellSize cell = CellSizeFor(scene.source.Width(), scene.source.Height(), scene.gridSize);
    const RECT area = AsRect(SlideRectangle(move.from.column, move.from.row, move.to.column, move.to.row, cell));
    HGDIOBJ previous = nullptr;
    HDC canvasDc = OpenCanvas(target, scene.canvas, area, previous);
    if (!canvasDc)
        return;

    const int32_t length = StripLength(move);
    const CellPosition step = StripStep(move), last = StripCell(move, length - 1);
    const PixelRect strip = SlideRectangle(move.from.column, move.from.row, last.column, last.row, cell);
    const bool alongRow = step.row == 0;
    // The strip is composed once where it stands; each frame copies it on by
    // its offset and blackens what it leaves bare, so that a long strip costs
    // little more than one tile.
    DrawStrip(canvasDc, scene, move, cell, 0, 0);
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame) {
        const int32_t offsetX = FrameOffset(frame, step.column * cell.width);
        const int32_t offsetY = FrameOffset(frame, step.row * cell.height);
        BitBlt(target, strip.left + offsetX, strip.top + offsetY, strip.width, strip.height, canvasDc, strip.left,
               strip.top, SRCCOPY);
        FillBare(target, area, AsRect(strip, offsetX, offsetY), alongRow);
        afterFrame(frame);
    }
    // The canvas then holds the last frame, as the board's paint will.
    const int32_t cellX = step.column * cell.width, cellY = step.row * cell.height;
    DrawStrip(canvasDc, scene, move, cell, cellX, cellY);
    FillBare(canvasDc, area, AsRect(strip, cellX, cellY), alongRow);
    CloseCanvas(canvasDc, previous);
}
