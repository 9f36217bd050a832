// The score as it is stored beside the game state record: a fixed 48-byte
// little-endian layout with a version, which names the record it counts by
// a fingerprint of the record's 476 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "game/game_state.h"
#include "game/score.h"

constexpr uint32_t STORED_SCORE_VERSION = 1;
constexpr uint32_t COUNT_KNOWN = 1;       // countFlags: the stored game's count was kept
constexpr uint32_t COUNT_NEW_RECORD = 2;  // countFlags: the stored game was won with a record

struct StoredScore {
    uint32_t version;
    uint32_t recordMark[2];  // FNV-1a (64 bits, low word first) of the record counted
    uint32_t countFlags;
    uint32_t moves;
    uint32_t playMs;
    GridRecord records[MAX_GRID_SIZE - MIN_GRID_SIZE + 1];  // N = 3, 4, 5
};

static_assert(sizeof(StoredScore) == 48);
static_assert(offsetof(StoredScore, countFlags) == 12);
static_assert(offsetof(StoredScore, records) == 24);

// The score stored with record, the game state stored beside it.
StoredScore PackScore(const Score& kept, const GameState& record);

// 1 when stored is of this version and could have been written: known flags
// only, an unknown count and a count before the first move with nothing in
// them, times within MAX_PLAY_MS, no time without a record's moves.
int32_t IsConsistentScore(const StoredScore& stored);

// The score to go on with. No records and an unknown count when stored is
// null or not consistent; its records, and a count unknown unless stored kept one
// for exactly record (the game state record as read; null when none was).
Score UnpackScore(const StoredScore* stored, const GameState* record);
