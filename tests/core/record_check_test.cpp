// The check of a restored record: the records the game itself writes are
// taken byte for byte; any other keeps only its sound flag and a valid grid size.
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "game/random.h"
#include "game/record_check.h"
#include "game/shuffle.h"
#include "recording_shell.h"

namespace {

// A shuffled playing record at N = n as the game writes it: sound off, the
// tail of a longer earlier path behind the NUL, an old parked board.
GameState PlayingRecord(int32_t n) {
    gameState = DEFAULT_GAME_STATE;
    gameState.gridSize = n;
    SeedRandom(12345);
    ShuffleBoard();
    GameState record = gameState;
    record.soundOn = 0;
    std::memset(record.picturePath, 'Q', PICTURE_PATH_SIZE - 1);
    std::strcpy(record.picturePath, "C:\\GRY\\PUZZLE1.BMP");
    record.savedBoard = BoardOf({}, 40);
    return record;
}

std::string Bytes(const GameState& record) {
    return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

const std::vector<int32_t> SOLVED_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, X};
const std::vector<int32_t> WON_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};

struct RecordCase {
    const char* what;
    int32_t n;  // of the playing record the change starts from
    void (*change)(GameState&);
    bool taken;
    int32_t gridSizeAfter;
};

void Preview(GameState& r) {
    r.previewOn = 1;
    r.savedBoard = r.board;
    r.board = BoardOf(SOLVED_4);
}

// Which records are sound is the hostile-input property's subject; these
// show what each state keeps and what a refused record keeps.
const RecordCase RECORDS[] = {
    {"playing", 3, [](GameState&) {}, true, 3},
    {"grid size 0, read as 4", 4, [](GameState& r) { r.gridSize = 0; }, true, 4},
    {"preview", 4, Preview, true, 4},
    {"solved", 4, [](GameState& r) { r.solved = 1, r.board = BoardOf(WON_4); }, true, 4},
    {"gap one slide up, even width", 4,
     [](GameState& r) { r.board = BoardOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, X, 12, 13, 14, 11}); }, true, 4},
    {"junk outside the grid, NUL in the path's last byte", 3,
     [](GameState& r) {
         r.board = BoardOf({0, 1, 2, 3, 4, 5, 6, 7, X}, -12345);
         std::memset(r.picturePath, 'A', PICTURE_PATH_SIZE - 1);
     },
     true, 3},
    {"grid size 6", 5, [](GameState& r) { r.gridSize = 6; }, false, 4},
    {"path without NUL", 5, [](GameState& r) { std::memset(r.picturePath, 'A', PICTURE_PATH_SIZE); }, false, 5},
    {"two tiles exchanged", 3, [](GameState& r) { std::swap(r.board.cells[0], r.board.cells[1]); }, false, 3},
    {"preview parking a won board", 4, [](GameState& r) { Preview(r), r.savedBoard = BoardOf(WON_4); }, false, 4},
};

TEST(RestoredRecord, ASoundRecordIsTakenAsStoredAnyOtherResetToTheDefaults) {
    const GameState kept = gameState;
    for (const RecordCase& c : RECORDS) {
        GameState record = PlayingRecord(c.n);
        c.change(record);
        GameState expected = c.taken ? record : DEFAULT_GAME_STATE;
        expected.soundOn = record.soundOn;
        expected.gridSize = c.gridSizeAfter;
        EXPECT_EQ(AcceptRestoredRecord(record), c.taken ? 1 : 0) << c.what;
        EXPECT_EQ(Bytes(record), Bytes(expected)) << c.what;
    }
    gameState = kept;
}

}  // namespace
