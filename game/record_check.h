// The check of a game state record read back from storage: only a record
// that the game itself could have written becomes the game.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// 1 when the used cells of board are 0 .. N*N-2 once each and EMPTY_CELL
// once, in an arrangement that slides can turn into the solved one.
int32_t IsSolvablePlayingBoard(const Board& board, int32_t gridSize);

// 1 when record meets every invariant of its state (playing, preview or
// solved): N of 3 to 5, a NUL within picturePath, flags of 0 or 1 and not
// both set, and the boards that state requires.
int32_t IsConsistentRecord(const GameState& record);

// Turns a stored gridSize of 0 into 4, then checks the record. A consistent
// record is left exactly as it is and gives 1. Any other gives 0 and is reset
// to the defaults, keeping its soundOn and its gridSize when that is 3, 4 or 5.
int32_t AcceptRestoredRecord(GameState& record);
