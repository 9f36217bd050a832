// Composing the board on the canvas and copying it to the window.
#pragma once

#include <windows.h>

// Draws every cell of gameState.board on the canvas, then copies the whole
// picture to the given device context of the client area.
void PaintBoard(HDC clientDc);
