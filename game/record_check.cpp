// The soundness check of a restored game state record.
#include "game/record_check.h"

#include <cstring>

namespace {

bool IsFlag(int32_t value) {
    return value == 0 || value == 1;
}

int32_t HomeTile(int32_t row, int32_t column, int32_t n) {
    return row * n + column;
}

// The solved arrangement; the bottom-right cell holds lastCell.
bool HoldsSolvedArrangement(const Board& board, int32_t n, int32_t lastCell) {
    for (int32_t row = 0; row < n; ++row)
        for (int32_t column = 0; column < n; ++column) {
            const bool bottomRight = row == n - 1 && column == n - 1;
            const int32_t expected = bottomRight ? lastCell : HomeTile(row, column, n);
            if (CellAt(board, row, column) != expected)
                return false;
        }
    return true;
}

// The used cells read row by row, with the empty cell counted as the missing
// tile N*N-1; false unless that is a permutation of 0 .. N*N-1.
bool ReadPermutation(const Board& board, int32_t n, int32_t* tiles, int32_t& emptyIndex) {
    bool seen[BOARD_CELLS] = {};
    const int32_t count = n * n;
    emptyIndex = -1;
    for (int32_t i = 0; i < count; ++i) {
        int32_t code = CellAt(board, i / n, i % n);
        if (code == EMPTY_CELL) {
            if (emptyIndex >= 0)
                return false;
            emptyIndex = i;
            code = count - 1;
        } else if (code < 0 || code > count - 2) {
            return false;
        }
        if (seen[code])
            return false;
        seen[code] = true;
        tiles[i] = code;
    }
    return emptyIndex >= 0;
}

int32_t InversionParity(const int32_t* tiles, int32_t count) {
    int32_t inversions = 0;
    for (int32_t i = 0; i < count; ++i)
        for (int32_t j = i + 1; j < count; ++j)
            if (tiles[i] > tiles[j])
                ++inversions;
    return inversions % 2;
}

}  // namespace

int32_t IsSolvablePlayingBoard(const Board& board, int32_t gridSize) {
    if (!IsValidGridSize(gridSize))
        return 0;
    const int32_t n = gridSize;
    int32_t tiles[BOARD_CELLS];
    int32_t emptyIndex = -1;
    if (!ReadPermutation(board, n, tiles, emptyIndex))
        return 0;
    // Every slide is one transposition with the empty cell and moves it one
    // cell, so the permutation's parity always equals the parity of the empty
    // cell's distance from home; the solved arrangement has both even.
    const int32_t distanceFromHome = (n - 1 - emptyIndex / n) + (n - 1 - emptyIndex % n);
    return InversionParity(tiles, n * n) == distanceFromHome % 2 ? 1 : 0;
}

int32_t IsConsistentRecord(const GameState& record) {
    const int32_t n = record.gridSize;
    if (!IsValidGridSize(n))
        return 0;
    if (std::memchr(record.picturePath, '\0', sizeof record.picturePath) == nullptr)
        return 0;
    if (!IsFlag(record.previewOn) || !IsFlag(record.solved))
        return 0;
    if (record.previewOn && record.solved)
        return 0;
    if (record.solved)
        return HoldsSolvedArrangement(record.board, n, n * n - 1) ? 1 : 0;
    if (record.previewOn) {
        if (!HoldsSolvedArrangement(record.board, n, EMPTY_CELL))
            return 0;
        return IsSolvablePlayingBoard(record.savedBoard, n);
    }
    return IsSolvablePlayingBoard(record.board, n);
}

int32_t AcceptRestoredRecord(GameState& record) {
    if (record.gridSize == 0)
        record.gridSize = DEFAULT_GRID_SIZE;
    if (IsConsistentRecord(record))
        return 1;
    const int32_t soundOn = record.soundOn;
    const int32_t gridSize = IsValidGridSize(record.gridSize) ? record.gridSize : DEFAULT_GRID_SIZE;
    record = DEFAULT_GAME_STATE;
    record.soundOn = soundOn;
    record.gridSize = gridSize;
    return 0;
}
