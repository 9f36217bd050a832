// The score: the word and time of the caption, the count and the clock of a
// game through its moves, preview and win, the records of each grid size,
// and the stored score's checks.
#include <gtest/gtest.h>

#include "game/commands.h"
#include "game/moves.h"
#include "game/score_text.h"
#include "game/stored_score.h"
#include "recording_shell.h"

namespace {

const std::string T = "Zelvany - Puzzle";

std::string ScoreText(uint32_t moves, uint32_t playMs) {
    char text[64];
    FormatScore(moves, playMs, text, sizeof text);
    return text;
}

TEST(ScoreText, TheWordAgreesWithTheNumberAndTheTimeShowsHoursFromAnHourOn) {
    // 0 to 129, ten a row: 1 "ruch", 2 "ruchy", 5 "ruchów".
    const std::string words =
        "5122255555"
        "5555555555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5522255555"
        "5555555555"
        "5522255555";
    const char* const names[] = {"", "ruch", "ruchy", "", "", "ruchów"};
    for (uint32_t n = 0; n < words.size(); ++n)
        EXPECT_EQ(ScoreText(n, 0), std::to_string(n) + " " + names[words[n] - '0'] + ", 0:00");
    const struct {
        uint32_t moves, playMs;
        const char* text;
    } rows[] = {{1001, 0, "1001 ruchów, 0:00"},
                {1013, 0, "1013 ruchów, 0:00"},
                {4294967294u, 0, "4294967294 ruchy, 0:00"},
                {2, 999, "2 ruchy, 0:00"},
                {2, 59999, "2 ruchy, 0:59"},
                {2, 60000, "2 ruchy, 1:00"},
                {2, 600000, "2 ruchy, 10:00"},
                {2, 3599999, "2 ruchy, 59:59"},
                {2, 3600000, "2 ruchy, 1:00:00"},
                {2, 3661000, "2 ruchy, 1:01:01"},
                {2, 36005000, "2 ruchy, 10:00:05"},
                {2, MAX_PLAY_MS, "2 ruchy, 999:59:59"}};
    for (const auto& row : rows)
        EXPECT_EQ(ScoreText(row.moves, row.playMs), row.text);
}

// A 3x3 game one move from its win: the gap at (1, 2), tile 7 right of it.
class Counted : public ::testing::Test {
protected:
    void SetUp() override {
        ResetShellAndGame();
        FillCatalogue({"C:\\A.BMP"});
        shell.loadable = {"C:\\A.BMP"};
        SetGridSize(3);
        gameState.board = BoardOf({0, 1, 2, 3, 4, 5, 6, X, 7});
    }
    // Slides tile 6 away from its cell and back, pairs times, then wins;
    // every move stepMs after the one before.
    void PlayToWin(int pairs, uint32_t stepMs) {
        for (int move = 0; move < 2 * pairs; ++move) {
            TryMoveTile(move % 2 == 0 ? 0 : 1, 2);
            shell.now += stepMs;
        }
        TryMoveTile(2, 2);
    }
};

TEST_F(Counted, MovesAndTheClockRunFromTheFirstMoveThroughThePreviewToTheWinAndNotWhileMinimised) {
    EXPECT_EQ(shell.caption, T);
    shell.now = 0xFFFFF000u;  // the milliseconds wrap in this game
    TryMoveTile(0, 2);
    EXPECT_EQ(shell.caption, T + " - 1 ruch, 0:00");
    EXPECT_EQ(shell.timerDelay, 1000u);
    ShowPicture();
    shell.now += 6300;
    TickClock();
    EXPECT_EQ(shell.caption, T + " - 1 ruch, 0:06");
    EXPECT_EQ(shell.timerDelay, 700u) << "the next tick when the shown second changes";
    ResumePlay();
    SetWindowMinimised(1);
    EXPECT_EQ(shell.timerDelay, 0u);
    shell.now += 50000;
    SetWindowMinimised(0);
    shell.now += MAX_CLOCK_STEP_MS + 1;  // slept, or a clock jumped
    TickClock();
    shell.now -= 1;  // or went back
    TickClock();
    shell.now += 1000;
    TryMoveTile(2, 2);  // slides tiles 6 and 7, two moves
    EXPECT_EQ(shell.caption, T + " - ułożone: 3 ruchy, 0:07 - nowy rekord");
    EXPECT_EQ(shell.timerDelay, 0u);
    shell.now += 5000;
    UpdateClock();
    NewGame(0);
    EXPECT_EQ(shell.caption, T + " - rekord 3x3: 3 ruchy, 0:07");
    SetGridSize(4);
    EXPECT_EQ(shell.caption, T);
}

TEST_F(Counted, EachRecordOfASizeIsKeptOnItsOwnAndOnlyABetterGameSetsIt) {
    const struct {
        int pairs;
        uint32_t stepMs;
        GridRecord after;
        bool newRecord;
    } games[] = {
        {2, 5000, {5, 20000}, true},   // the first won game sets both
        {1, 12000, {3, 20000}, true},  // fewer moves, longer
        {3, 3000, {3, 18000}, true},   // more moves, shorter
        {1, 9000, {3, 18000}, false},  // as few and as short
        {4, 4000, {3, 18000}, false}   // worse in both
    };
    for (const auto& game : games) {
        PlayToWin(game.pairs, game.stepMs);
        EXPECT_EQ(score.records[0].fewestMoves, game.after.fewestMoves) << game.pairs;
        EXPECT_EQ(score.records[0].shortestMs, game.after.shortestMs) << game.pairs;
        EXPECT_EQ(shell.caption.find("nowy rekord") != std::string::npos, game.newRecord) << shell.caption;
        NewGame(1);
        gameState.board = BoardOf({0, 1, 2, 3, 4, 5, 6, X, 7});
    }
    EXPECT_EQ(score.records[1].fewestMoves + score.records[2].fewestMoves, 0u) << "another size's record";
}

// The 3x3 record, then the count when it is known.
std::string Describe(const Score& restored) {
    const GameCount& game = restored.game;
    return std::to_string(restored.records[0].fewestMoves) + " " + std::to_string(restored.records[0].shortestMs) +
           (game.known ? " counted " + std::to_string(game.moves) + " " + std::to_string(game.playMs) : "");
}

TEST_F(Counted, AStoredScoreCountsOnlyTheRecordItNamesAndADamagedOneIsPassedOverWhole) {
    PlayToWin(1, 1000);
    const GameState wonRecord = gameState;
    const StoredScore won = PackScore(score, wonRecord);
    EXPECT_EQ(UnpackScore(&won, &wonRecord).game.newRecord, 1) << "the won game's record forgotten";
    NewGame(1);
    gameState.board = BoardOf({0, 1, 2, 3, 4, 5, 6, X, 7});
    TryMoveTile(0, 2);
    shell.now += 4000;
    UpdateClock();
    const GameState record = gameState;
    const StoredScore stored = PackScore(score, record);
    GameState otherRecord = record;
    otherRecord.picturePath[200] ^= 1;
    const struct {
        const char* what;
        void (*damage)(StoredScore&);
        const GameState* record;
        const char* kept;
    } cases[] = {
        {"as stored", [](StoredScore&) {}, &record, "3 2000 counted 1 4000"},
        {"for another record", [](StoredScore&) {}, &otherRecord, "3 2000"},
        {"naming another record", [](StoredScore& s) { s.recordMark[1] ^= 1; }, &record, "3 2000"},
        {"with no record read", [](StoredScore&) {}, nullptr, "3 2000"},
        {"with no count kept", [](StoredScore& s) { s.countFlags = s.moves = s.playMs = 0; }, &record, "3 2000"},
        {"of another version", [](StoredScore& s) { s.version = 2; }, &record, "0 0"},
        {"with an unknown flag", [](StoredScore& s) { s.countFlags |= 4; }, &record, "0 0"},
        {"no count but moves", [](StoredScore& s) { s.countFlags = 0; }, &record, "0 0"},
        {"time before a move", [](StoredScore& s) { s.moves = 0; }, &record, "0 0"},
        {"a record before a move", [](StoredScore& s) { s.moves = s.playMs = 0, s.countFlags = 3; }, &record, "0 0"},
        {"too long a game", [](StoredScore& s) { s.playMs = MAX_PLAY_MS + 1; }, &record, "0 0"},
        {"a time without moves", [](StoredScore& s) { s.records[2].shortestMs = 1; }, &record, "0 0"},
        {"too long a record", [](StoredScore& s) { s.records[0].shortestMs = MAX_PLAY_MS + 1; }, &record, "0 0"}};
    for (const auto& c : cases) {
        StoredScore value = stored;
        c.damage(value);
        EXPECT_EQ(Describe(UnpackScore(&value, c.record)), c.kept) << c.what;
    }
    RestoreScore(UnpackScore(&stored, &record));
    EXPECT_EQ(shell.caption, T + " - 1 ruch, 0:04");
    EXPECT_EQ(shell.timerDelay, 1000u) << "the restored game's clock goes on";
}

}  // namespace
