// The game commands: the picture and the shuffle of a new game, the grid
// size, the preview parking the board, the sound switch, and what each asks
// of the shell in what order.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <utility>

#include "catalogue/picture_catalogue.h"
#include "game/commands.h"
#include "game/random.h"
#include "game/shuffle.h"
#include "recording_shell.h"

namespace {

// The board that a shuffle at grid size n deals after `draws` draws from seed.
Board ShuffledAfterDraws(uint32_t seed, int32_t draws, int32_t n) {
    const GameState kept = gameState;
    SeedRandom(seed);
    for (int32_t i = 0; i < draws; ++i)
        DrawRandom();
    gameState.gridSize = n;
    ShuffleBoard();
    const Board board = gameState.board;
    gameState = kept;
    return board;
}

const Board PLAYING_4 = BoardOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, X, 12, 13, 14, 11}, 9);
const Board PARKED = BoardOf({}, 7);

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        ResetShellAndGame();
        FillCatalogue({"C:\\P\\A.BMP", "C:\\P\\B.BMP", "C:\\P\\C.BMP", "C:\\P\\D.BMP"});
        shell.loadable = {"C:\\P\\A.BMP", "C:\\P\\B.BMP", "C:\\P\\C.BMP", "C:\\P\\D.BMP"};
        gameState.board = PLAYING_4;
        gameState.savedBoard = PARKED;
    }
};

TEST_F(Commands, ANewGameDrawsThePictureBeforeTheShuffleAndShowsTheResult) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SetUp();
        gameState.previewOn = seed % 2;
        gameState.solved = 1 - seed % 2;
        SeedRandom(seed);
        const std::string picture = PicturePath(DrawRandom() % 4);  // a first choice takes one draw
        const Board dealt = ShuffledAfterDraws(seed, 1, 4);
        SeedRandom(seed);
        NewGame(0);
        EXPECT_STREQ(gameState.picturePath, picture.c_str()) << seed;
        EXPECT_EQ(Cells(gameState.board), Cells(dealt)) << seed;
        EXPECT_EQ(gameState.solved, 0);
        EXPECT_EQ(shell.calls, (Calls{"load " + picture, "fit", "repaint", "menu 0 4 1"}));
        EXPECT_EQ(Cells(shell.repainted), Cells(dealt));
    }
}

TEST_F(Commands, ANewGameTriesEachPictureAtMostOnceUntilOneLoads) {
    shell.loadable = {"C:\\P\\C.BMP"};
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        for (int game = 0; game < 4; ++game) {  // through the first cycle and past it
            shell.calls.clear();
            NewGame(0);
            EXPECT_STREQ(gameState.picturePath, "C:\\P\\C.BMP");
            const std::set<std::string> loads(shell.calls.begin(), shell.calls.end() - 3);
            EXPECT_EQ(loads.size(), shell.calls.size() - 3) << seed;
            EXPECT_EQ(shell.calls.end()[-4], "load C:\\P\\C.BMP");
        }
    }
}

TEST_F(Commands, WhenNoPictureLoadsTheCurrentOneIsKeptAndLoadedAgain) {
    shell.loadable.clear();
    std::strcpy(gameState.picturePath, "C:\\KEPT.BMP");
    std::strcpy(gameState.picturePath + 100, "tail");  // what a longer path left behind its NUL
    const std::string kept(gameState.picturePath, PICTURE_PATH_SIZE);
    NewGame(0);
    EXPECT_EQ(std::string(gameState.picturePath, PICTURE_PATH_SIZE), kept);
    ASSERT_EQ(shell.calls.size(), 8u);
    EXPECT_EQ(
        std::set<std::string>(shell.calls.begin(), shell.calls.begin() + 4),
        (std::set<std::string>{"load C:\\P\\A.BMP", "load C:\\P\\B.BMP", "load C:\\P\\C.BMP", "load C:\\P\\D.BMP"}));
    EXPECT_EQ(std::vector<std::string>(shell.calls.begin() + 4, shell.calls.end()),
              (Calls{"load C:\\KEPT.BMP", "fit", "repaint", "menu 0 4 1"}));
}

// From each state; the catalogue is neither drawn from nor marked.
TEST_F(Commands, AGivenPictureIsANewGameOnItAndOneThatDoesNotLoadChangesNothing) {
    const std::string tooLong(PICTURE_PATH_SIZE, 'A');
    shell.loadable.insert({"D:\\MY PHOTO.JPG", tooLong});
    for (int32_t state = 0; state < 3; ++state) {
        std::strcpy(gameState.picturePath, "C:\\P\\B.BMP");
        gameState.previewOn = state == 1;
        gameState.solved = state == 2;
        const GameState before = gameState;
        shell.calls.clear();
        EXPECT_EQ(NewGameWithPicture("D:\\NOT A PICTURE.TXT") + NewGameWithPicture(tooLong.c_str()), 0);
        EXPECT_EQ(std::memcmp(&gameState, &before, sizeof before), 0) << state;
        EXPECT_EQ(shell.calls, (Calls{"load D:\\NOT A PICTURE.TXT", "load C:\\P\\B.BMP"}));
        const Board dealt = ShuffledAfterDraws(state, 0, 4);
        SeedRandom(state);
        shell.calls.clear();
        EXPECT_EQ(NewGameWithPicture("D:\\MY PHOTO.JPG"), 1);
        EXPECT_TRUE(std::strcmp(gameState.picturePath, "D:\\MY PHOTO.JPG") == 0 && gameState.previewOn == 0 &&
                    gameState.solved == 0);
        EXPECT_EQ(Cells(gameState.board), Cells(dealt)) << state;
        EXPECT_EQ(shell.calls, (Calls{"load D:\\MY PHOTO.JPG", "fit", "repaint", "menu 0 4 1"}));
    }
}

// Each from the preview, whose parked board nothing reads any more.
TEST_F(Commands, KeepingThePictureOrChangingTheGridSizeReadsNoFileEndsThePreviewAndShufflesAgain) {
    const std::pair<void (*)(), int32_t> steps[] = {
        {[] { NewGame(1); }, 4}, {[] { SetGridSize(3); }, 3}, {[] { SetGridSize(3); }, 3}, {[] { SetGridSize(5); }, 5}};
    std::strcpy(gameState.picturePath, "C:\\P\\B.BMP");
    for (uint32_t seed = 0; seed < 4; ++seed) {
        const auto [command, gridSize] = steps[seed];
        gameState.previewOn = 1;
        const Board dealt = ShuffledAfterDraws(seed, 0, gridSize);
        shell.calls.clear();
        SeedRandom(seed);
        command();
        EXPECT_EQ(gameState.gridSize, gridSize);
        EXPECT_EQ(Cells(gameState.board), Cells(dealt)) << seed;
        EXPECT_EQ(Cells(gameState.savedBoard), Cells(PARKED));
        EXPECT_STREQ(gameState.picturePath, "C:\\P\\B.BMP");
        EXPECT_EQ(shell.calls, (Calls{"fit", "repaint", "menu 0 " + std::to_string(gridSize) + " 1"}));
    }
}

bool ChangesNothing(void (*command)()) {
    const GameState before = gameState;
    shell.calls.clear();
    command();
    return std::memcmp(&gameState, &before, sizeof before) == 0 && shell.calls.empty();
}

// Show does nothing in the preview or after the win, Play nothing outside the preview.
TEST_F(Commands, ThePreviewShowsTheSolvedArrangementAndPlayGivesTheBoardBackCellForCell) {
    EXPECT_TRUE(ChangesNothing(ResumePlay));
    ShowPicture();
    EXPECT_EQ(Cells(gameState.savedBoard), Cells(PLAYING_4));
    EXPECT_EQ(Cells(gameState.board), Cells(BoardOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, X}, 9)));
    EXPECT_EQ(Cells(shell.repainted), Cells(gameState.board));
    EXPECT_EQ(shell.calls, (Calls{"repaint", "menu 1 4 1"}));
    EXPECT_TRUE(ChangesNothing(ShowPicture));
    shell.calls.clear();
    ResumePlay();
    EXPECT_EQ(Cells(gameState.board), Cells(PLAYING_4));
    EXPECT_EQ(Cells(shell.repainted), Cells(PLAYING_4));
    EXPECT_EQ(shell.calls, (Calls{"repaint", "menu 0 4 1"}));
    gameState.solved = 1;
    EXPECT_TRUE(ChangesNothing(ShowPicture));
    EXPECT_TRUE(ChangesNothing(ResumePlay));
}

TEST_F(Commands, SoundSwitchesOffFromAnyNonZeroValueAndOnFromZero) {
    for (const auto& [from, to] : {std::pair{1, 0}, std::pair{0, 1}, std::pair{5, 0}}) {
        shell.calls.clear();
        gameState.soundOn = from;
        ToggleSound();
        EXPECT_EQ(gameState.soundOn, to);
        EXPECT_EQ(shell.calls, Calls{"menu 0 4 " + std::to_string(to)});
    }
}

}  // namespace
