// The ten-frame slide of a tile into the neighbouring empty cell.
#pragma once

#include <cstdint>

// Slides the tile that gameState.board holds at the from-cell into the empty
// to-cell, on the canvas and in the main window; the board is not changed.
// Without a main window nothing is drawn; without a canvas bitmap the two
// cells are filled black in the window.
void AnimateSlide(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow);
