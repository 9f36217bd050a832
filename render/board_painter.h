// Composing the board on the canvas and copying it to the window.
#pragma once

#include <windows.h>

// Draws every cell of gameState.board on the canvas, then copies the whole
// picture to the given device context of the client area. Without a canvas
// bitmap the area that can be painted is filled black instead.
void PaintBoard(HDC clientDc);

// Fills rect with the stock black brush, the colour of the empty cell.
void FillBlack(HDC dc, const RECT& rect);
