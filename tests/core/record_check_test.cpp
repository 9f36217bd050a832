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

TEST(ParityRule, EveryBoardReachedBySlidesIsSolvable) {
    for (int32_t n = 3; n <= 5; ++n)
        for (uint32_t seed = 1; seed <= 60; ++seed)
            ASSERT_EQ(IsSolvablePlayingBoard(Slid(n, 500, seed), n), 1) << "N " << n << " seed " << seed;
}

TEST(ParityRule, OneExchangeOfTwoTilesMakesABoardUnsolvable) {
    for (int32_t n = 3; n <= 5; ++n)
        for (uint32_t seed = 1; seed <= 60; ++seed) {
            Board board = Slid(n, 500, seed);
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
    // Tile 14 and the empty cell exchanged by one slide: solvable.
    const auto solvable = [](const std::vector<int32_t>& cells) {
        return IsSolvablePlayingBoard(BoardOf(4, cells), 4);
    };
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

TEST_F(RecordCheck, APlayingRecordIsTakenExactlyAsStored) {
    for (int32_t n = 3; n <= 5; ++n) {
        GameState record = PlayingRecord(n);
        record.soundOn = 0;
        const std::string stored = Bytes(record);
        EXPECT_EQ(AcceptRestoredRecord(record), 1) << n;
        EXPECT_EQ(Bytes(record), stored) << n;
    }
}

TEST_F(RecordCheck, PreviewAndSolvedRecordsAreTakenAsStored) {
    GameState preview = PlayingRecord(4);
    preview.previewOn = 1;
    preview.savedBoard = preview.board;
    preview.board = SolvedBoard(4, EMPTY_CELL);
    const std::string previewBytes = Bytes(preview);
    EXPECT_EQ(AcceptRestoredRecord(preview), 1);
    EXPECT_EQ(Bytes(preview), previewBytes);

    GameState solved = PlayingRecord(5);
    solved.solved = 1;
    solved.board = SolvedBoard(5, 24);
    const std::string solvedBytes = Bytes(solved);
    EXPECT_EQ(AcceptRestoredRecord(solved), 1);
    EXPECT_EQ(Bytes(solved), solvedBytes);
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

TEST_F(RecordCheck, TheFieldsOutsideTheirRangesAreUnsound) {
    const GameState good = PlayingRecord(4);
    GameState record = good;
    EXPECT_EQ(IsSoundRecord(record), 1);
    record.gridSize = 2;
    EXPECT_EQ(IsSoundRecord(record), 0);
    record = good;
    record.gridSize = INT32_MIN;
    EXPECT_EQ(IsSoundRecord(record), 0);
    record = good;
    std::memset(record.picturePath, 'A', PICTURE_PATH_SIZE);
    EXPECT_EQ(IsSoundRecord(record), 0);
    record.picturePath[PICTURE_PATH_SIZE - 1] = '\0';  // a NUL in the last byte is enough
    EXPECT_EQ(IsSoundRecord(record), 1);
    record = good;
    record.previewOn = -1;
    EXPECT_EQ(IsSoundRecord(record), 0);
    record = good;
    record.solved = 2;
    EXPECT_EQ(IsSoundRecord(record), 0);
    record = good;
    record.solved = 1;
    record.previewOn = 1;
    record.board = SolvedBoard(4, 15);
    EXPECT_EQ(IsSoundRecord(record), 0);
}

TEST_F(RecordCheck, EachStateRequiresItsOwnBoards) {
    GameState record = PlayingRecord(4);
    const Board playing = record.board;

    record.solved = 1;  // a won game holds every tile in its place
    EXPECT_EQ(IsSoundRecord(record), 0);
    record.board = SolvedBoard(4, EMPTY_CELL);
    EXPECT_EQ(IsSoundRecord(record), 0);
    record.board = SolvedBoard(4, 15);
    EXPECT_EQ(IsSoundRecord(record), 1);

    record.solved = 0;  // playing: the last tile is not on the board
    EXPECT_EQ(IsSoundRecord(record), 0);

    record.previewOn = 1;  // preview: the solved arrangement over a parked playing board
    record.board = SolvedBoard(4, EMPTY_CELL);
    record.savedBoard = SolvedBoard(4, 15);
    EXPECT_EQ(IsSoundRecord(record), 0);
    record.savedBoard = BoardOf(4, {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1});
    EXPECT_EQ(IsSoundRecord(record), 0);
    record.savedBoard = playing;
    EXPECT_EQ(IsSoundRecord(record), 1);
    record.board = playing;
    EXPECT_EQ(IsSoundRecord(record), 0);
}

TEST_F(RecordCheck, CellsOutsideTheGridAreNotLookedAt) {
    GameState record = PlayingRecord(3);
    for (int32_t i = 0; i < BOARD_CELLS; ++i)
        if (i % BOARD_STRIDE >= 3 || i / BOARD_STRIDE >= 3)
            record.board.cells[i] = -12345;
    EXPECT_EQ(IsSoundRecord(record), 1);
}

}  // namespace
