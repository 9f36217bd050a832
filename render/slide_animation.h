// The ten-frame slide of a tile into the neighbouring empty cell.
#pragma once

#include <windows.h>

#include <cstdint>

#include "game/moves.h"
#include "render/board_painter.h"

// Called after each frame is on the target (frame 1 to SLIDE_FRAMES).
using FramePause = void (*)(int32_t frame);

// The pause of the game between two frames: 10 milliseconds.
void PauseBetweenFrames(int32_t frame);

// Slides the tile that the scene's board holds at move.from into the empty
// move.to: each frame is composed on the canvas and the two cells copied to
// target. The board is not changed. Without a canvas bitmap the two cells are
// filled black on target.
void DrawSlide(HDC target, const BoardScene& scene, const TileMove& move, FramePause afterFrame);
