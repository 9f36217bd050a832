// The ten-frame slide of a strip of tiles one cell on into the empty cell.
#pragma once

#include <windows.h>

#include <cstdint>

#include "game/moves.h"
#include "render/board_painter.h"

// Called after each frame is on the target (frame 1 to SLIDE_FRAMES).
using FramePause = void (*)(int32_t frame);

// The pause of the game between two frames: 10 milliseconds.
void PauseBetweenFrames(int32_t frame);

// Slides the tiles that the scene's board holds from move.from up to the
// empty move.to one cell towards it, together, at one tile's pace, over the
// cells from move.from to move.to only: the strip is composed on the canvas
// and each frame copies it to target at its offset, blackening what it leaves
// bare; the canvas ends holding the last frame. The board is not changed.
// Without a canvas bitmap those cells are filled black on target.
void DrawSlide(HDC target, const BoardScene& scene, const TileMove& move, FramePause afterFrame);
