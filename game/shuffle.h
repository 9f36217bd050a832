// The shuffle: a random walk of the empty cell from the solved arrangement,
// then home to the bottom-right corner, so every board can be solved.
#pragma once

#include <cstdint>

// Steps 0 to LAST_RANDOM_STEP are random; later steps walk the empty cell home.
constexpr int32_t LAST_RANDOM_STEP = 300;

// Sets the solved arrangement for gridSize and scrambles it.
void ShuffleBoard();

// The walk alone, from the empty cell at the bottom right of the board as it
// stands; returns the number of steps taken.
int32_t WalkEmptyCell();
