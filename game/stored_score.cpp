// The stored score's layout, its checks and the record's fingerprint.
#include "game/stored_score.h"

namespace {

constexpr uint64_t FNV_OFFSET_BASIS = 0xCBF29CE484222325u;
constexpr uint64_t FNV_PRIME = 0x100000001B3u;

// Any change of the record, by an earlier build or by hand, changes it.
uint64_t RecordMark(const GameState& record) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
    uint64_t mark = FNV_OFFSET_BASIS;
    for (size_t i = 0; i < sizeof record; ++i)
        mark = (mark ^ bytes[i]) * FNV_PRIME;
    return mark;
}

// The mark as it is stored: the low word first.
void StoreMark(const GameState& record, uint32_t (&words)[2]) {
    const uint64_t mark = RecordMark(record);
    words[0] = static_cast<uint32_t>(mark);
    words[1] = static_cast<uint32_t>(mark >> 32);
}

bool IsMarkOf(const StoredScore& stored, const GameState& record) {
    uint32_t words[2];
    StoreMark(record, words);
    return stored.recordMark[0] == words[0] && stored.recordMark[1] == words[1];
}

bool IsConsistentGridRecord(const GridRecord& record) {
    return record.fewestMoves == 0 ? record.shortestMs == 0 : record.shortestMs <= MAX_PLAY_MS;
}

}  // namespace

StoredScore PackScore(const Score& kept, const GameState& record) {
    StoredScore stored = {STORED_SCORE_VERSION, {}, 0, kept.game.moves, kept.game.playMs, {}};
    StoreMark(record, stored.recordMark);
    if (kept.game.known != 0)
        stored.countFlags = COUNT_KNOWN | (kept.game.newRecord != 0 ? COUNT_NEW_RECORD : 0);
    for (size_t i = 0; i < sizeof stored.records / sizeof stored.records[0]; ++i)
        stored.records[i] = kept.records[i];
    return stored;
}

int32_t IsConsistentScore(const StoredScore& stored) {
    if (stored.version != STORED_SCORE_VERSION || (stored.countFlags & ~(COUNT_KNOWN | COUNT_NEW_RECORD)) != 0)
        return 0;
    for (const GridRecord& record : stored.records)
        if (!IsConsistentGridRecord(record))
            return 0;
    if (stored.playMs > MAX_PLAY_MS)
        return 0;
    if ((stored.countFlags & COUNT_KNOWN) == 0 && (stored.countFlags != 0 || stored.moves != 0))
        return 0;
    // The clock starts at the first move, and only a move wins.
    if (stored.moves == 0 && (stored.playMs != 0 || (stored.countFlags & COUNT_NEW_RECORD) != 0))
        return 0;
    return 1;
}

Score UnpackScore(const StoredScore* stored, const GameState* record) {
    Score restored = {};
    if (!stored || !IsConsistentScore(*stored))
        return restored;
    for (size_t i = 0; i < sizeof restored.records / sizeof restored.records[0]; ++i)
        restored.records[i] = stored->records[i];
    if ((stored->countFlags & COUNT_KNOWN) != 0 && record && IsMarkOf(*stored, *record))
        restored.game = {1, stored->moves, stored->playMs, (stored->countFlags & COUNT_NEW_RECORD) != 0 ? 1 : 0};
    return restored;
}
