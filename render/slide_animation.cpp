// AnimateSlide: ten frames of a tile gliding into the empty cell, composed on
// the canvas and copied, two cells at a time, to the main window.
#include "render/slide_animation.h"

#include <windows.h>

#include "app/process_state.h"
#include "game/game_state.h"
#include "render/board_painter.h"
#include "render/tile_geometry.h"

constexpr DWORD FRAME_PAUSE_MS = 10;

void AnimateSlide(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow) {
    if (!mainWindow)
        return;  // GetDC would hand out the whole screen
    const int32_t n = gameState.gridSize;
    const CellSize cell = CellSizeFor(sourcePicture.Width(), sourcePicture.Height(), n);
    const PixelRect area = SlideRectangle(fromColumn, fromRow, toColumn, toRow, cell);
    const RECT areaRect = {area.left, area.top, area.left + area.width, area.top + area.height};

    HDC windowDc = GetDC(mainWindow);
    const HBITMAP canvas = canvasPicture.Bitmap();
    if (!canvas) {
        // Nothing to compose on: the two cells are shown black, as a paint would.
        FillBlack(windowDc, areaRect);
        ReleaseDC(mainWindow, windowDc);
        return;
    }
    HDC canvasDc = CreateCompatibleDC(windowDc);
    const HGDIOBJ previous = SelectObject(canvasDc, canvas);

    const PixelPoint start = CellOrigin(fromRow, fromColumn, cell);
    const int32_t distanceX = (toColumn - fromColumn) * cell.width;
    const int32_t distanceY = (toRow - fromRow) * cell.height;
    for (int32_t frame = 1; frame <= SLIDE_FRAMES; ++frame) {
        FillBlack(canvasDc, areaRect);
        const int32_t tile = CellAt(gameState.board, fromRow, fromColumn);
        const PixelPoint home = TileSourceOrigin(tile, n, cell);
        sourcePicture.DrawTile(canvasDc, start.x + FrameOffset(frame, distanceX),
                               start.y + FrameOffset(frame, distanceY), home.x, home.y, cell.width,
                               cell.height);
        BitBlt(windowDc, area.left, area.top, area.width, area.height, canvasDc, area.left, area.top,
               SRCCOPY);
        Sleep(FRAME_PAUSE_MS);
    }

    SelectObject(canvasDc, previous);
    DeleteDC(canvasDc);
    ReleaseDC(mainWindow, windowDc);
}
