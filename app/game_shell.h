// The shell's side of the game: the operations that game/shell.h declares,
// over the process-wide objects, and the paint of the board.
#pragma once

#include <windows.h>

#include "render/board_painter.h"

// What a drawing of the board reads now: gameState's board and N, the
// source picture and the canvas.
BoardScene CurrentScene();

// Loads gameState.picturePath again under fit into both pictures; 1 when it
// loaded. When it does not, both pictures stay as they were.
int32_t RefitBothPictures(const PictureFit& fit);

// Composes gameState.board on the canvas and copies it to the client area's
// device context; black where there is no canvas.
void PaintBoard(HDC clientDc);
