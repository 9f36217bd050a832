// The game commands through the real window: their effect on the game state
// and on the grey and check marks of the "&Opcje" menu, and the keys F2, F3
// and F4 through the program's own accelerator table.
#include <windows.h>

#include <cstring>

#include "app/process_state.h"
#include "app/resource_ids.h"
#include "game/commands.h"
#include "game/record_check.h"
#include "game_window.h"
#include "support/bitmap_files.h"

namespace {

bool SameBoard(const Board& a, const Board& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class GameCommands : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        NewGame(0);
    }

    void ExpectMenuFor(bool preview, int32_t n, bool soundOn) {
        EXPECT_EQ(IsGreyed(ID_OPTIONS_SHOW), preview);
        EXPECT_EQ(IsGreyed(ID_OPTIONS_PLAY), !preview);
        EXPECT_EQ(IsChecked(ID_OPTIONS_3X3), n == 3);
        EXPECT_EQ(IsChecked(ID_OPTIONS_4X4), n == 4);
        EXPECT_EQ(IsChecked(ID_OPTIONS_5X5), n == 5);
        EXPECT_EQ(IsChecked(ID_OPTIONS_SOUND), soundOn);
        EXPECT_FALSE(IsGreyed(ID_GAME_NEW) || IsGreyed(ID_GAME_CLOSE) || IsGreyed(ID_HELP_ABOUT));
    }

    bool BoardIsAFreshPlayingBoard() const {
        return gameState.previewOn == 0 && gameState.solved == 0 &&
               IsSolvablePlayingBoard(gameState.board, gameState.gridSize) &&
               CellAt(gameState.board, gameState.gridSize - 1, gameState.gridSize - 1) == EMPTY_CELL;
    }

    // Sends the command and expects the record to stay byte for byte.
    void ExpectNoChangeFrom(UINT id, WPARAM highHalf = 0) {
        const GameState before = gameState;
        SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, highHalf), 0);
        EXPECT_EQ(RecordBytes(gameState), RecordBytes(before)) << id;
    }
};

TEST_F(GameCommands, NewGameTakesACataloguePictureShufflesAndEndsAWinOrThePreview) {
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
    EXPECT_EQ(ClientSize(), Size(400, 400));
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    ExpectMenuFor(false, 4, true);

    const HBITMAP before = sourcePicture.Bitmap();
    gameState.solved = 1;
    Command(ID_GAME_NEW);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    EXPECT_NE(sourcePicture.Bitmap(), before) << "the one picture is read again";
    Command(ID_OPTIONS_SHOW);
    const Board parked = gameState.savedBoard;
    Command(ID_GAME_NEW);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    EXPECT_TRUE(SameBoard(gameState.savedBoard, parked));
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, ANewGameMovesToTheNextPictureAndRefitsTheWindow) {
    AddPicture("2", 240, 180);
    ScanPictureDirectory();
    for (int game = 0; game < 4; ++game) {  // the rescan left both unused
        const std::string previous = gameState.picturePath;
        NewGame(0);
        EXPECT_TRUE(game == 0 || previous != gameState.picturePath) << game;
        const bool second = std::strstr(gameState.picturePath, "PUZZLE2") != nullptr;
        EXPECT_EQ(ClientSize(), Size(second ? 240 : 400, second ? 180 : 400));
    }
}

TEST_F(GameCommands, AGridSizeShufflesAgainKeepsThePictureEndsThePreviewAndChecksItsItem) {
    const std::string picture = gameState.picturePath;
    const HBITMAP bitmap = sourcePicture.Bitmap();
    for (const auto& [id, n] : {std::pair<UINT, int32_t>{ID_OPTIONS_3X3, 3}, {ID_OPTIONS_5X5, 5},
                                {ID_OPTIONS_5X5, 5}, {ID_OPTIONS_4X4, 4}}) {
        const Board before = gameState.board;
        Command(ID_OPTIONS_SHOW);
        Command(id);
        EXPECT_EQ(gameState.gridSize, n);
        EXPECT_TRUE(BoardIsAFreshPlayingBoard()) << n;
        EXPECT_FALSE(SameBoard(gameState.board, before)) << "the checked size again shuffles again";
        ExpectMenuFor(false, n, true);
    }
    EXPECT_EQ(picture, gameState.picturePath);
    EXPECT_EQ(sourcePicture.Bitmap(), bitmap) << "no file was read";
}

TEST_F(GameCommands, ShowThenPlayGivesTheBoardBackCellForCell) {
    const Board game = gameState.board;
    Command(ID_OPTIONS_SHOW);
    EXPECT_EQ(gameState.previewOn, 1);
    EXPECT_TRUE(SameBoard(gameState.savedBoard, game));
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1}));
    ExpectMenuFor(true, 4, true);
    Command(ID_OPTIONS_PLAY);
    EXPECT_EQ(gameState.previewOn, 0);
    EXPECT_TRUE(SameBoard(gameState.board, game));
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, ASecondShowKeepsTheParkedGameAndPlayOutsideThePreviewDoesNothing) {
    for (int32_t& cell : gameState.savedBoard.cells)
        cell = 7;
    ExpectNoChangeFrom(ID_OPTIONS_PLAY);
    const Board game = gameState.board;
    ShowPicture();
    ShowPicture();  // the menu would have prevented it; the guard must too
    ResumePlay();
    EXPECT_TRUE(SameBoard(gameState.board, game));
}

TEST_F(GameCommands, ShowAfterTheWinAndUnknownCommandsChangeNothingAndTheHighHalfIsIgnored) {
    ExpectNoChangeFrom(40004);
    ExpectNoChangeFrom(12345, 1);
    ExpectMenuFor(false, 4, true);
    gameState.solved = 1;
    ExpectNoChangeFrom(ID_OPTIONS_SHOW);
    gameState.solved = 0;
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_OPTIONS_SHOW, 1), 0);
    EXPECT_EQ(gameState.previewOn, 1);
}

TEST_F(GameCommands, SoundTogglesAnyNonZeroFlagAndItsCheckMark) {
    Command(ID_OPTIONS_SOUND);
    EXPECT_EQ(gameState.soundOn, 0);
    ExpectMenuFor(false, 4, false);
    Command(ID_OPTIONS_SOUND);
    EXPECT_EQ(gameState.soundOn, 1);
    ExpectMenuFor(false, 4, true);
    gameState.soundOn = 5;
    ToggleSound();
    EXPECT_EQ(gameState.soundOn, 0);
}

TEST_F(GameCommands, CloseEndsTheLoopWithoutDestroyingTheWindow) {
    Command(ID_GAME_CLOSE);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_TRUE(IsWindow(mainWindow));
}

using PictureFallback = GameCommands;

TEST_F(PictureFallback, ANewGameSkipsPicturesThatDoNotLoad) {
    AddUnloadablePicture("0");
    AddUnloadablePicture("3");
    ScanPictureDirectory();
    ASSERT_EQ(PictureCount(), 3);
    const int32_t loadable = FindPicture(firstPicture.c_str());
    ASSERT_GE(loadable, 0);
    for (int round = 0; round < 6; ++round) {
        NewGame(0);
        ASSERT_EQ(FindPicture(gameState.picturePath), loadable) << "round " << round;
        EXPECT_NE(sourcePicture.Bitmap(), nullptr);
        EXPECT_EQ(ClientSize().first, 400);
    }
    EXPECT_EQ(pictureCatalogue.allUsed, 1);
}

TEST_F(PictureFallback, WhenNoOtherPictureLoadsTheCurrentOneStays) {
    // The current picture lies outside the catalogue, whose pictures all fail.
    TempDirectory elsewhere;
    const std::string current = elsewhere.File("Kept.bmp");
    WritePicture(current, 200, 100);
    WriteTextFile(firstPicture);
    AddUnloadablePicture("2");
    ScanPictureDirectory();
    UsePicture(current);
    std::strcpy(gameState.picturePath + 100, "tail");  // the bytes after the NUL come back too
    char before[PICTURE_PATH_SIZE];
    std::memcpy(before, gameState.picturePath, PICTURE_PATH_SIZE);

    NewGame(0);
    EXPECT_EQ(std::memcmp(gameState.picturePath, before, PICTURE_PATH_SIZE), 0);
    EXPECT_NE(sourcePicture.Bitmap(), nullptr);
    EXPECT_NE(canvasPicture.Bitmap(), nullptr);
    EXPECT_EQ(ClientSize(), Size(200, 100));
    EXPECT_EQ(pictureCatalogue.allUsed, 1);  // each catalogue picture was tried
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
}

TEST_F(PictureFallback, KeepingThePictureReadsNoFile) {
    DeleteFileA(firstPicture.c_str());
    const HBITMAP bitmap = sourcePicture.Bitmap();
    NewGame(1);
    EXPECT_EQ(sourcePicture.Bitmap(), bitmap);
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
}

using AcceleratorKeys = GameCommands;

TEST_F(AcceleratorKeys, F3ShowsF4ResumesAndF2StartsANewGame) {
    const Board game = gameState.board;
    PressKey(VK_F3);
    EXPECT_EQ(gameState.previewOn, 1);
    ExpectMenuFor(true, 4, true);
    PressKey(VK_F4);
    EXPECT_EQ(gameState.previewOn, 0);
    EXPECT_TRUE(SameBoard(gameState.board, game));
    PressKey(VK_F3);
    const int before = CommandsReceived();
    PressKey(VK_F2);
    EXPECT_EQ(CommandsReceived(), before + 1);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
}

// The grey menu item keeps the command from being sent at all.
TEST_F(AcceleratorKeys, F4OutsideThePreviewAndF3DuringItSendNothing) {
    const auto expectNothingSentBy = [this](UINT key) {
        const int before = CommandsReceived();
        const GameState state = gameState;
        PressKey(key);
        EXPECT_EQ(CommandsReceived(), before) << key;
        EXPECT_EQ(RecordBytes(gameState), RecordBytes(state)) << key;
    };
    expectNothingSentBy(VK_F4);
    PressKey(VK_F3);
    expectNothingSentBy(VK_F3);
}

}  // namespace
