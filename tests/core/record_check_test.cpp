// The check of a restored record: the parity rule that tells a board slides
// can solve, the records the game itself writes (taken exactly as stored),
// and the unsound ones, which keep only their settings.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/random.h"
#include "game/record_check.h"
#include "game/shuffle.h"

namespace {

Board BoardOf(int32_t n, const std::vector<int32_t>& rowByRow) {
    Board board;
    for (int32_t& cell : board.cells)
        cell = 77;  // outside the grid: never read
    for (int32_t i = 0; i < n * n; ++i)
        CellAt(board, i / n, i % n) = rowByRow[i];
    return board;
}

Board SolvedBoard(int32_t n, int32_t lastCell) {
    std::vector<int32_t> cells;
    for (int32_t i = 0; i < n * n; ++i)
        cells.push_back(i == n * n - 1 ? lastCell : i);
    return BoardOf(n, cells);
}

// Moves the empty cell at random, by real slides.
Board Slid(int32_t n, int32_t steps, uint32_t seed) {
    Board board = SolvedBoard(n, EMPTY_CELL);
    int32_t row = n - 1;
    int32_t column = n - 1;
    SeedRandom(seed);
    for (int32_t step = 0; step < steps; ++step) {
        const int32_t direction = DrawRandom() % 4;
        const int32_t toRow = row + (direction == 0) - (direction == 1);
        const int32_t toColumn = column + (direction == 2) - (direction == 3);
        if (toRow < 0 || toRow >= n || toColumn < 0 || toColumn >= n)
            continue;
        std::swap(CellAt(board, row, column), CellAt(board, toRow, toColumn));
        row = toRow;
        column = toColumn;
    }
    return board;
}

std::string Bytes(const GameState& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

class RecordCheck : public ::testing::Test {
protected:
    void SetUp() override { saved = gameState; }
    void TearDown() override { gameState = saved; }

    // A playing record as the game writes it: a shuffled board, and a path
    // with the tail of a longer earlier path behind its NUL.
    static GameState PlayingRecord(int32_t n) {
        gameState = DEFAULT_GAME_STATE;
        gameState.gridSize = n;
        SeedRandom(12345);
        ShuffleBoard();
        GameState record = gameState;
        std::memset(record.picturePath, 'Q', PICTURE_PATH_SIZE - 1);
        std::strcpy(record.picturePath, "C:\\GRY\\PUZZLE1.BMP");
        for (int32_t i = 0; i < BOARD_CELLS; ++i)
            record.savedBoard.cells[i] = 40 + i;
        return record;
    }

    GameState saved{};
};

TEST(ParityRule, BoardsReachedBySlidesAreSolvableAndOneExchangeMakesThemUnsolvable) {
    for (int32_t n = 3; n <= 5; ++n)
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            Board board = Slid(n, 500, seed);
            ASSERT_EQ(IsSolvablePlayingBoard(board, n), 1) << "N " << n << " seed " << seed;
            // Exchange the first two tiles in reading order, whichever they are.
            int32_t* first = nullptr;
            for (int32_t i = 0; i < n * n; ++i) {
                int32_t& cell = CellAt(board, i / n, i % n);
                if (cell == EMPTY_CELL)
                    continue;
                if (!first) {
                    first = &cell;
                } else {
                    std::swap(*first, cell);
                    break;
                }
            }
            ASSERT_EQ(IsSolvablePlayingBoard(board, n), 0) << "N " << n << " seed " << seed;
        }
}

TEST(ParityRule, TheEmptyCellsRowCountsAtEvenWidths) {
    const auto solvable = [](const std::vector<int32_t>& cells) {
        return IsSolvablePlayingBoard(BoardOf(4, cells), 4);
    };
    // Tile 14 or 11 and the empty cell exchanged by one slide: solvable.
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, -1, 14}), 1);
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12, 13, 14, 11}), 1);
    // The tiles in reading order with the gap at the start of the last row
    // (three slides left) can be solved; with it a row higher they cannot.
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, -1, 12, 13, 14}), 1);
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 7, -1, 8, 9, 10, 11, 12, 13, 14}), 0);
}

TEST(ParityRule, OnlyAPermutationWithOneEmptyCellCounts) {
    const auto solvable = [](const std::vector<int32_t>& cells) {
        return IsSolvablePlayingBoard(BoardOf(3, cells), 3);
    };
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 7, 8}), 0);    // the last tile, no gap
    EXPECT_EQ(solvable({0, 0, 2, 3, 4, 5, 6, 7, -1}), 0);   // a repeat
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, -1, 7, -1}), 0);  // two gaps
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, -7, -1}), 0);
    EXPECT_EQ(solvable({0, 1, 2, 3, 4, 5, 6, 99, -1}), 0);
    EXPECT_EQ(IsSolvablePlayingBoard(SolvedBoard(3, EMPTY_CELL), 2), 0);
    EXPECT_EQ(IsSolvablePlayingBoard(SolvedBoard(5, EMPTY_CELL), 6), 0);
}

TEST_F(RecordCheck, SoundRecordsOfEveryStateAreTakenExactlyAsStored) {
    const auto expectTakenAsStored = [](GameState record, const char* what) {
        const std::string stored = Bytes(record);
        EXPECT_EQ(AcceptRestoredRecord(record), 1) << what;
        EXPECT_EQ(Bytes(record), stored) << what;
    };
    for (int32_t n = 3; n <= 5; ++n)
        expectTakenAsStored(PlayingRecord(n), "playing");
    GameState record = PlayingRecord(4);
    record.previewOn = 1;
    record.savedBoard = record.board;
    record.board = SolvedBoard(4, EMPTY_CELL);
    expectTakenAsStored(record, "preview");
    record = PlayingRecord(5);
    record.solved = 1;
    record.board = SolvedBoard(5, 24);
    expectTakenAsStored(record, "solved");
    record = PlayingRecord(3);
    for (int32_t i = 0; i < BOARD_CELLS; ++i)
        if (i % BOARD_STRIDE >= 3 || i / BOARD_STRIDE >= 3)
            record.board.cells[i] = -12345;
    std::memset(record.picturePath, 'A', PICTURE_PATH_SIZE - 1);
    record.picturePath[PICTURE_PATH_SIZE - 1] = '\0';
    expectTakenAsStored(record, "cells outside the grid unread, a NUL in the path's last byte");
}

TEST_F(RecordCheck, AGridSizeOfZeroIsReadAsFour) {
    GameState record = PlayingRecord(4);
    record.gridSize = 0;
    EXPECT_EQ(AcceptRestoredRecord(record), 1);
    EXPECT_EQ(record.gridSize, 4);
}

TEST_F(RecordCheck, AnUnsoundRecordKeepsOnlyItsSoundFlagAndAValidGridSize) {
    GameState record = PlayingRecord(5);
    record.soundOn = 9;
    record.previewOn = 1;  // without the solved arrangement in board
    EXPECT_EQ(AcceptRestoredRecord(record), 0);
    GameState expected = DEFAULT_GAME_STATE;
    expected.soundOn = 9;
    expected.gridSize = 5;
    EXPECT_EQ(Bytes(record), Bytes(expected));

    record = PlayingRecord(4);
    record.soundOn = 0;
    record.gridSize = 7;
    EXPECT_EQ(AcceptRestoredRecord(record), 0);
    expected = DEFAULT_GAME_STATE;
    expected.soundOn = 0;
    EXPECT_EQ(Bytes(record), Bytes(expected));
}

// Each change turns the sound playing record at N = 4 into an unsound one.
TEST_F(RecordCheck, EveryKindOfUnsoundRecordIsRefused) {
    const struct {
        const char* kind;
        void (*change)(GameState&);
    } kinds[] = {
        {"grid size 2", [](GameState& r) { r.gridSize = 2; }},
        {"grid size 6", [](GameState& r) { r.gridSize = 6; }},
        {"grid size INT32_MIN", [](GameState& r) { r.gridSize = INT32_MIN; }},
        {"path without NUL", [](GameState& r) { std::memset(r.picturePath, 'A', PICTURE_PATH_SIZE); }},
        {"previewOn -1", [](GameState& r) { r.previewOn = -1; }},
        {"solved 2", [](GameState& r) { r.solved = 2; }},
        {"preview and solved", [](GameState& r) { r.solved = r.previewOn = 1, r.board = SolvedBoard(4, 15); }},
        {"playing, unsolvable", [](GameState& r) { std::swap(r.board.cells[0], r.board.cells[1]); }},
        {"playing, last tile in", [](GameState& r) { r.board = SolvedBoard(4, 15); }},
        {"solved, a playing board", [](GameState& r) { r.solved = 1; }},
        {"solved, no last tile", [](GameState& r) { r.solved = 1, r.board = SolvedBoard(4, EMPTY_CELL); }},
        {"preview, playing board shown", [](GameState& r) { r.previewOn = 1, r.savedBoard = r.board; }},
        {"preview, won board parked",
         [](GameState& r) {
             r.previewOn = 1;
             r.board = SolvedBoard(4, EMPTY_CELL);
             r.savedBoard = SolvedBoard(4, 15);
         }},
        {"preview, unsolvable board parked",
         [](GameState& r) {
             r.previewOn = 1;
             r.savedBoard = r.board;
             std::swap(r.savedBoard.cells[0], r.savedBoard.cells[1]);
             r.board = SolvedBoard(4, EMPTY_CELL);
         }},
    };
    const GameState good = PlayingRecord(4);
    ASSERT_EQ(IsSoundRecord(good), 1);
    for (const auto& kind : kinds) {
        GameState record = good;
        kind.change(record);
        EXPECT_EQ(IsSoundRecord(record), 0) << kind.kind;
    }
}

}  // namespace
