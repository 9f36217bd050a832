// The game state record kept between runs as one binary registry value under
// the current user's hive; key path and value name are string resources.
#pragma once

#include <cstdint>

constexpr int32_t LOAD_STATE = 1;
constexpr int32_t SAVE_STATE = 0;

// One routine for both directions. Load: 1 when a REG_BINARY value of exactly
// the record's size was read, which has replaced gameState; 0 otherwise, with
// gameState untouched. Save: 1 when the key was opened or created (every
// missing level) and the record written; 0 when it could not be.
int32_t TransferGameState(int32_t direction);

inline int32_t LoadGameState() { return TransferGameState(LOAD_STATE); }
inline int32_t SaveGameState() { return TransferGameState(SAVE_STATE); }
