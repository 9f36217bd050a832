// The platform-free tests' stand-in for the shell: the operations of
// game/shell.h, recorded in one log in call order; the catalogue the program
// would define; and the board notation the tests share.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/shell.h"

using Calls = std::vector<std::string>;

struct RecordingShell {
    // "load PATH", "fit", "repaint", "menu PREVIEW GRID SOUND", "sound move" or "sound win" and
    // "slide TILE C,R->C,R", where TILE is what the board holds at the from-cell.
    Calls calls;
    std::set<std::string> loadable;  // the paths LoadBothPictures takes
    PictureSize pictureSize{400, 400};
    Board repainted{};        // gameState.board at the last RepaintBoard
    uint32_t now = 0;         // MonotonicMilliseconds
    std::string caption;      // the last ShowCaption; LoadText gives the program's own texts
    uint32_t timerDelay = 0;  // of the last SetClockTimer
};

extern RecordingShell shell;

// A fresh shell, the game state at its defaults, an empty catalogue and no
// score.
void ResetShellAndGame();

// The catalogue as a scan leaves it: these paths, none used.
void FillCatalogue(const std::vector<std::string>& paths);

constexpr int32_t X = EMPTY_CELL;

// N of a board given by its 9, 16 or 25 cells row by row; 0 for no cells.
inline int32_t GridSizeOf(const std::vector<int32_t>& rowByRow) {
    const size_t count = rowByRow.size();
    return count == 9 ? 3 : count == 16 ? 4 : count == 25 ? 5 : 0;
}

// That N x N board; every cell outside the grid holds outside.
Board BoardOf(const std::vector<int32_t>& rowByRow, int32_t outside = X);

// All 25 cells, for comparisons that print the board when they fail.
std::vector<int32_t> Cells(const Board& board);
