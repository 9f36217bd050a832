// Start-up in-process: the search for a running instance, continuing a
// stored game in each of its states, and a new game when the record is
// missing or unsound or its picture does not load; a catalogue in which no
// picture loads stops the start-up.
#include <windows.h>

#include <cstring>

#include "app/application.h"
#include "app/process_state.h"
#include "app/resource_ids.h"
#include "game/record_check.h"
#include "game_window.h"
#include "support/bitmap_files.h"

namespace {

const std::vector<int32_t> SOLVED_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1};
const std::vector<int32_t> PLAYING_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, -1, 14};
// Tiles 0 and 1 exchanged: no slides can solve it.
const std::vector<int32_t> SWAPPED_4 = {1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1};

void SetCells(Board& board, int32_t n, const std::vector<int32_t>& cells) {
    for (int32_t i = 0; i < n * n; ++i)
        CellAt(board, i / n, i % n) = cells[i];
}

class StartUp : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        secondPicture = AddPicture("2", 300, 200);
        ScanPictureDirectory();
    }

    // A sound playing record on the second picture, with sound off and N = 4.
    GameState PlayingRecord() const {
        GameState record = DEFAULT_GAME_STATE;
        record.soundOn = 0;
        std::strcpy(record.picturePath, PicturePath(1));
        SetCells(record.board, 4, PLAYING_4);
        for (int32_t& cell : record.savedBoard.cells)
            cell = 9;  // not read outside the preview
        return record;
    }

    void Store(const GameState& record) { WriteStoredValue(REG_BINARY, RecordBytes(record)); }

    bool IsNewGameOn(int32_t soundOn, int32_t n) const {
        return gameState.soundOn == soundOn && gameState.gridSize == n && gameState.previewOn == 0 &&
               gameState.solved == 0 && IsSolvablePlayingBoard(gameState.board, n) &&
               FindPicture(gameState.picturePath) >= 0 && sourcePicture.Bitmap() != nullptr;
    }

    std::string secondPicture;
};

TEST_F(StartUp, WithoutARecordANewGameStartsOnTheDefaults) {
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_TRUE(IsNewGameOn(1, 4));
    EXPECT_FALSE(IsGreyed(ID_OPTIONS_SHOW));
    EXPECT_TRUE(IsGreyed(ID_OPTIONS_PLAY));
    EXPECT_TRUE(IsChecked(ID_OPTIONS_4X4));
    EXPECT_TRUE(IsChecked(ID_OPTIONS_SOUND));
}

TEST_F(StartUp, ASoundRecordIsContinuedExactlyAsStored) {
    GameState record = PlayingRecord();
    std::strcpy(record.picturePath + 200, "tail");
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(record));
    EXPECT_EQ(ClientSize(), Size(300, 200));
    EXPECT_EQ(pictureCatalogue.usedFlags[1], 1);
    EXPECT_EQ(pictureCatalogue.usedFlags[0], 0);
    EXPECT_FALSE(IsChecked(ID_OPTIONS_SOUND));
    EXPECT_TRUE(IsGreyed(ID_OPTIONS_PLAY));
}

TEST_F(StartUp, ARecordStoredDuringThePreviewStartsInThePreview) {
    GameState record = PlayingRecord();
    record.previewOn = 1;
    record.savedBoard = record.board;
    SetCells(record.board, 4, SOLVED_4);
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(record));
    EXPECT_TRUE(IsGreyed(ID_OPTIONS_SHOW));
    EXPECT_FALSE(IsGreyed(ID_OPTIONS_PLAY));
    Command(ID_OPTIONS_PLAY);
    EXPECT_EQ(UsedCells(), PLAYING_4);
    EXPECT_FALSE(IsGreyed(ID_OPTIONS_SHOW));
    EXPECT_TRUE(IsGreyed(ID_OPTIONS_PLAY));
}

TEST_F(StartUp, ARecordStoredAfterTheWinStartsSolvedAndAGridSizeOfZeroAtFour) {
    GameState record = PlayingRecord();
    record.solved = 1;
    for (int32_t i = 0; i < 16; ++i)
        CellAt(record.board, i / 4, i % 4) = i;
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(record));
    Click(250, 150);
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 15);

    record = PlayingRecord();
    record.gridSize = 0;
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_EQ(gameState.gridSize, 4);
    EXPECT_EQ(UsedCells(), PLAYING_4);
    EXPECT_TRUE(IsChecked(ID_OPTIONS_4X4));
}

TEST_F(StartUp, ADeletedPictureStartsANewGameWithTheStoredSettings) {
    GameState record = PlayingRecord();
    record.gridSize = 5;
    for (int32_t i = 0; i < 25; ++i)
        record.board.cells[i] = i == 24 ? EMPTY_CELL : i;
    Store(record);
    DeleteFileA(secondPicture.c_str());
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_TRUE(IsNewGameOn(0, 5));
    EXPECT_STREQ(gameState.picturePath, PicturePath(0));
    EXPECT_TRUE(IsChecked(ID_OPTIONS_5X5));
}

// The core tests go through every kind of unsound record; here a few reach
// the start-up, which keeps their soundOn and, when valid, their gridSize.
TEST_F(StartUp, AnUnsoundRecordStartsANewGameKeepingTheSettings) {
    const struct {
        const char* kind;
        void (*change)(GameState&);
        int32_t gridSize;
    } kinds[] = {
        {"grid size 6", [](GameState& r) { r.gridSize = 6; }, 4},
        {"path without NUL", [](GameState& r) { std::memset(r.picturePath, 'A', PICTURE_PATH_SIZE); }, 4},
        {"unsolvable at 3",
         [](GameState& r) { r.gridSize = 3, SetCells(r.board, 3, {0, 1, 2, 3, 4, 5, 7, 6, -1}); }, 3},
        {"preview parking an unsolvable board",
         [](GameState& r) {
             r.previewOn = 1;
             SetCells(r.savedBoard, 4, SWAPPED_4);
             SetCells(r.board, 4, SOLVED_4);
         },
         4},
    };
    for (const auto& kind : kinds) {
        GameState record = PlayingRecord();
        record.soundOn = 3;
        kind.change(record);
        Store(record);
        EXPECT_EQ(ContinueOrStartGame(), 1) << kind.kind;
        EXPECT_TRUE(IsNewGameOn(3, kind.gridSize)) << kind.kind;
        EXPECT_TRUE(IsChecked(ID_OPTIONS_SOUND)) << kind.kind;
    }
}

class NoLoadablePicture : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        WriteTextFile(firstPicture);
        AddUnloadablePicture("2");
        ScanPictureDirectory();
    }
};

TEST_F(NoLoadablePicture, TheStartUpStopsWithOrWithoutARecord) {
    EXPECT_EQ(ContinueOrStartGame(), 0);
    EXPECT_EQ(sourcePicture.Bitmap(), nullptr);
    GameState record = DEFAULT_GAME_STATE;
    std::strcpy(record.picturePath, "C:\\NOWHERE\\PUZZLE1.BMP");
    SetCells(record.board, 4, PLAYING_4);
    WriteStoredValue(REG_BINARY, RecordBytes(record));
    EXPECT_EQ(ContinueOrStartGame(), 0);
}

using RunningInstance = GameWindowTest;

TEST_F(RunningInstance, ASecondStartDefersToTheWindowAlreadyThereAndRestoresIt) {
    const HWND first = mainWindow;
    ShowWindow(mainWindow, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(mainWindow));
    EXPECT_EQ(StartInstance(moduleHandle, SW_SHOWNORMAL), 0);
    EXPECT_EQ(mainWindow, first);
    EXPECT_FALSE(IsIconic(mainWindow));
}

TEST_F(RunningInstance, WithoutOneTheWindowIsCreatedForTheFirstCataloguePicture) {
    AddPicture("0", 200, 120);  // first in the search's order
    ScanPictureDirectory();
    DestroyWindow(mainWindow);
    mainWindow = nullptr;
    EXPECT_EQ(StartInstance(moduleHandle, SW_SHOWNORMAL), 1);
    ASSERT_NE(mainWindow, nullptr);
    EXPECT_FALSE(IsWindowVisible(mainWindow));
    EXPECT_EQ(canvasPicture.Width(), 200);
    EXPECT_EQ(ClientSize(), Size(200, 120));
}

}  // namespace
