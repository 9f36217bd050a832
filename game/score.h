// The score: the moves and the clock of the game in play, and for each grid
// size the fewest moves and the shortest time among its won games. The
// caption shows them; the clock reads the shell's monotonic milliseconds.
#pragma once

#include <cstdint>

#include "game/game_state.h"

constexpr uint32_t MS_PER_SECOND = 1000;
constexpr uint32_t MAX_PLAY_MS = 3599999999u;  // 999:59:59.999, within 32 bits
// A longer step between two readings of the clock is no play: the machine
// slept, or a clock went wrong. The clock is read at least once a second.
constexpr uint32_t MAX_CLOCK_STEP_MS = 60000;

struct GridRecord {
    uint32_t fewestMoves;  // 0: no game of this size won yet
    uint32_t shortestMs;
};

struct GameCount {
    int32_t known;  // 0: a game from before its count was kept, shown by the title alone
    uint32_t moves;
    uint32_t playMs;
    int32_t newRecord;  // the game was won and set a record of its size
};

struct Score {
    GameCount game;
    GridRecord records[MAX_GRID_SIZE - MIN_GRID_SIZE + 1];  // N = 3, 4, 5
};

// Unknown count and no records at program load.
extern Score score;

// A new game's count: no moves, the clock stopped; the caption shows the
// record of its grid size.
void StartGameCount();

// Counts a move that slid tiles tiles, after the board has been updated:
// the first move starts the clock, the winning one stops it and sets the
// records. A game whose count is unknown stays so.
void CountMoves(int32_t tiles);

// The shell's timer: the clock read and shown.
void TickClock();

// The clock stops while the window is minimised.
void SetWindowMinimised(int32_t minimised);

// Adds the play time up to now, so that the score may be stored.
void UpdateClock();

// Replaces the whole score, as restored at start-up, and shows it.
void RestoreScore(const Score& restored);

// Sets the caption from the score and gameState.
void ShowScore();
