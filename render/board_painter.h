// Composing the board on the canvas and copying it to a window, from the
// inputs a drawing reads: the board, N, the source picture and the canvas.
#pragma once

#include <windows.h>

#include <cstdint>

#include "game/game_state.h"
#include "render/picture_bitmap.h"

struct BoardScene {
    const Board& board;
    int32_t gridSize;
    const PictureBitmap& source;  // tiles are cut from it; its size is the board's
    const PictureBitmap& canvas;  // the board is composed on it off-screen
};

// Draws every cell of the board on the canvas, then copies the whole picture
// to target. Without a canvas bitmap the area of target that can be painted
// is filled black instead.
void DrawBoard(HDC target, const BoardScene& scene);

// Fills rect with the stock black brush, the colour of the empty cell.
void FillBlack(HDC dc, const RECT& rect);

// Selects the canvas into a new memory device context compatible with target,
// for the time of one drawing. Without a canvas bitmap there is nothing to
// compose on: fallbackArea of target is filled black and the result is null.
HDC OpenCanvas(HDC target, const PictureBitmap& canvas, const RECT& fallbackArea, HGDIOBJ& previous);
// Selects previous back and deletes the context (nothing for a null one).
void CloseCanvas(HDC canvasDc, HGDIOBJ previous);
