// The game state record kept between runs as one binary registry value under
// the current user's hive, and the score as a second one beside it; key path
// and value names are string resources.
#pragma once

#include <cstdint>

constexpr int32_t LOAD_STATE = 1;
constexpr int32_t SAVE_STATE = 0;

// One routine for both directions. Load: 1 when a REG_BINARY value of exactly
// the record's size was read, which has replaced gameState; 0 otherwise, with
// gameState untouched; the score is restored from its own value whenever the
// key exists. Save: 1 when the key was opened or created (every missing
// level) and the record and the score written; 0 when it could not be.
int32_t TransferGameState(int32_t direction);

inline int32_t LoadGameState() {
    return TransferGameState(LOAD_STATE);
}
inline int32_t SaveGameState() {
    return TransferGameState(SAVE_STATE);
}
