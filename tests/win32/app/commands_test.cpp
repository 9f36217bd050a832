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
        EXPECT_FALSE(IsGreyed(ID_GAME_NEW));
        EXPECT_FALSE(IsGreyed(ID_GAME_CLOSE));
        EXPECT_FALSE(IsGreyed(ID_HELP_ABOUT));
    }

    bool BoardIsAFreshPlayingBoard() const {
        return gameState.previewOn == 0 && gameState.solved == 0 &&
               IsSolvablePlayingBoard(gameState.board, gameState.gridSize) &&
               CellAt(gameState.board, gameState.gridSize - 1, gameState.gridSize - 1) == EMPTY_CELL;
    }
};

TEST_F(GameCommands, NewGameTakesACataloguePictureShufflesAndSetsTheMenu) {
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
    EXPECT_NE(sourcePicture.Bitmap(), nullptr);
    EXPECT_NE(canvasPicture.Bitmap(), nullptr);
    EXPECT_EQ(ClientSize().cx, 400);
    EXPECT_EQ(ClientSize().cy, 400);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, NewGameEndsAWonGameAndThePreview) {
    gameState.solved = 1;
    Command(ID_GAME_NEW);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    Command(ID_OPTIONS_SHOW);
    const Board parked = gameState.savedBoard;
    Command(ID_GAME_NEW);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    EXPECT_EQ(std::memcmp(&gameState.savedBoard, &parked, sizeof parked), 0);
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, WithOnePictureANewGameReloadsThatFile) {
    const HBITMAP before = sourcePicture.Bitmap();
    Command(ID_GAME_NEW);
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
    EXPECT_NE(sourcePicture.Bitmap(), nullptr);
    EXPECT_NE(sourcePicture.Bitmap(), before);
}

TEST_F(GameCommands, ANewGameMovesToTheNextPictureAndRefitsTheWindow) {
    AddPicture("2", 240, 180);
    ScanPictureDirectory();
    const POINT corner = WindowTopLeft();
    NewGame(0);
    NewGame(0);  // the two pictures have each been taken once
    ASSERT_EQ(pictureCatalogue.allUsed, 1);
    const std::string first = gameState.picturePath;
    NewGame(0);
    EXPECT_NE(first, gameState.picturePath);
    const SIZE expected = std::strstr(gameState.picturePath, "PUZZLE2") ? SIZE{240, 180} : SIZE{400, 400};
    EXPECT_EQ(ClientSize().cx, expected.cx);
    EXPECT_EQ(ClientSize().cy, expected.cy);
    EXPECT_EQ(WindowTopLeft().x, corner.x);
    EXPECT_EQ(WindowTopLeft().y, corner.y);
}

TEST_F(GameCommands, AGridSizeKeepsThePictureAndChecksItsItem) {
    const std::string picture = gameState.picturePath;
    const HBITMAP bitmap = sourcePicture.Bitmap();
    Command(ID_OPTIONS_3X3);
    EXPECT_EQ(gameState.gridSize, 3);
    EXPECT_EQ(picture, gameState.picturePath);
    EXPECT_EQ(sourcePicture.Bitmap(), bitmap);  // no file was read
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    ExpectMenuFor(false, 3, true);
    Command(ID_OPTIONS_5X5);
    EXPECT_EQ(gameState.gridSize, 5);
    ExpectMenuFor(false, 5, true);
    Command(ID_OPTIONS_4X4);
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, TheCheckedGridSizeAgainShufflesAgain) {
    const Board before = gameState.board;
    Command(ID_OPTIONS_4X4);
    EXPECT_EQ(gameState.gridSize, 4);
    EXPECT_NE(std::memcmp(&gameState.board, &before, sizeof before), 0);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
}

TEST_F(GameCommands, AGridSizeDuringThePreviewEndsIt) {
    Command(ID_OPTIONS_SHOW);
    Command(ID_OPTIONS_5X5);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
    ExpectMenuFor(false, 5, true);
}

TEST_F(GameCommands, ShowThenPlayGivesTheBoardBackCellForCell) {
    const Board game = gameState.board;
    Command(ID_OPTIONS_SHOW);
    EXPECT_EQ(gameState.previewOn, 1);
    EXPECT_EQ(std::memcmp(&gameState.savedBoard, &game, sizeof game), 0);
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1}));
    ExpectMenuFor(true, 4, true);
    Command(ID_OPTIONS_PLAY);
    EXPECT_EQ(gameState.previewOn, 0);
    EXPECT_EQ(std::memcmp(&gameState.board, &game, sizeof game), 0);
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, ShowAfterTheWinDoesNothing) {
    gameState.solved = 1;
    const GameState before = gameState;
    Command(ID_OPTIONS_SHOW);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(before));
    EXPECT_FALSE(IsGreyed(ID_OPTIONS_SHOW));
}

TEST_F(GameCommands, ASecondShowKeepsTheParkedGame) {
    const Board game = gameState.board;
    ShowPicture();
    ShowPicture();  // the menu would have prevented it; the guard must too
    EXPECT_EQ(std::memcmp(&gameState.savedBoard, &game, sizeof game), 0);
    ResumePlay();
    EXPECT_EQ(std::memcmp(&gameState.board, &game, sizeof game), 0);
}

TEST_F(GameCommands, PlayOutsideThePreviewDoesNothing) {
    for (int32_t& cell : gameState.savedBoard.cells)
        cell = 7;
    const GameState before = gameState;
    ResumePlay();
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(before));
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, SoundTogglesItsFlagAndCheckMark) {
    Command(ID_OPTIONS_SOUND);
    EXPECT_EQ(gameState.soundOn, 0);
    ExpectMenuFor(false, 4, false);
    Command(ID_OPTIONS_SOUND);
    EXPECT_EQ(gameState.soundOn, 1);
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, AnyNonZeroSoundFlagTogglesOff) {
    gameState.soundOn = 5;
    ToggleSound();
    EXPECT_EQ(gameState.soundOn, 0);
}

TEST_F(GameCommands, AnUnknownCommandChangesNothing) {
    const GameState before = gameState;
    EXPECT_EQ(SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(40004, 0), 0), 0);
    EXPECT_EQ(SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(12345, 1), 0), 0);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(before));
    ExpectMenuFor(false, 4, true);
}

TEST_F(GameCommands, TheHighHalfOfTheCommandIsNotLookedAt) {
    SendMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(ID_OPTIONS_SHOW, 1), 0);
    EXPECT_EQ(gameState.previewOn, 1);
}

TEST_F(GameCommands, CloseEndsTheLoopWithoutDestroyingTheWindow) {
    Command(ID_GAME_CLOSE);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
    EXPECT_TRUE(IsWindow(mainWindow));
}

class PictureFallback : public GameCommands {};

TEST_F(PictureFallback, ANewGameSkipsAPictureThatDoesNotLoad) {
    AddUnloadablePicture("0");
    ScanPictureDirectory();
    ASSERT_EQ(PictureCount(), 2);
    for (int round = 0; round < 4; ++round) {
        NewGame(0);
        EXPECT_STREQ(gameState.picturePath, PicturePath(1)) << "round " << round;
        EXPECT_NE(sourcePicture.Bitmap(), nullptr);
        EXPECT_EQ(ClientSize().cx, 400);
    }
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
    EXPECT_EQ(ClientSize().cx, 200);
    EXPECT_EQ(ClientSize().cy, 100);
    EXPECT_EQ(pictureCatalogue.allUsed, 1);  // each catalogue picture was tried
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
}

TEST_F(PictureFallback, WithOneLoadablePictureEveryNewGameEndsOnIt) {
    AddUnloadablePicture("2");
    AddUnloadablePicture("3");
    AddUnloadablePicture("4");
    ScanPictureDirectory();
    for (int round = 0; round < 6; ++round) {
        NewGame(0);
        ASSERT_STREQ(gameState.picturePath, PicturePath(0)) << "round " << round;
        EXPECT_NE(sourcePicture.Bitmap(), nullptr);
    }
    EXPECT_EQ(pictureCatalogue.allUsed, 1);
}

TEST_F(PictureFallback, KeepingThePictureReadsNoFile) {
    NewGame(0);
    DeleteFileA(firstPicture.c_str());
    const HBITMAP bitmap = sourcePicture.Bitmap();
    NewGame(1);
    EXPECT_EQ(sourcePicture.Bitmap(), bitmap);
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
}

class AcceleratorKeys : public GameCommands {};

TEST_F(AcceleratorKeys, F2StartsANewGame) {
    Command(ID_OPTIONS_SHOW);
    const int before = CommandsReceived();
    PressKey(VK_F2);
    EXPECT_EQ(CommandsReceived(), before + 1);
    EXPECT_TRUE(BoardIsAFreshPlayingBoard());
}

TEST_F(AcceleratorKeys, F3ShowsAndF4Resumes) {
    const Board game = gameState.board;
    PressKey(VK_F3);
    EXPECT_EQ(gameState.previewOn, 1);
    ExpectMenuFor(true, 4, true);
    PressKey(VK_F4);
    EXPECT_EQ(gameState.previewOn, 0);
    EXPECT_EQ(std::memcmp(&gameState.board, &game, sizeof game), 0);
}

// The grey menu item keeps the command from being sent at all.
TEST_F(AcceleratorKeys, F3DuringThePreviewSendsNothing) {
    PressKey(VK_F3);
    const int before = CommandsReceived();
    const GameState state = gameState;
    PressKey(VK_F3);
    EXPECT_EQ(CommandsReceived(), before);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(state));
}

TEST_F(AcceleratorKeys, F4OutsideThePreviewSendsNothing) {
    const int before = CommandsReceived();
    const GameState state = gameState;
    PressKey(VK_F4);
    EXPECT_EQ(CommandsReceived(), before);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(state));
}

TEST_F(AcceleratorKeys, OtherKeysSendNoCommand) {
    const int before = CommandsReceived();
    PressKey(VK_F5);
    PressKey('N');
    EXPECT_EQ(CommandsReceived(), before);
}

}  // namespace
