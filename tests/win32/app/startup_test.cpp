// Start-up in-process: the search for a running instance, continuing a
// stored game in each of its states, and a new game when the record is
// missing or unsound or its picture does not load; a catalogue in which no
// picture loads stops the start-up.
#include <windows.h>

#include <cstring>
#include <functional>

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
        for (int32_t i = 0; i < 16; ++i)
            CellAt(record.board, i / 4, i % 4) = PLAYING_4[i];
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
    EXPECT_EQ(ClientSize().cx, 300);
    EXPECT_EQ(ClientSize().cy, 200);
    EXPECT_EQ(pictureCatalogue.usedFlags[1], 1);
    EXPECT_EQ(pictureCatalogue.usedFlags[0], 0);
    EXPECT_FALSE(IsChecked(ID_OPTIONS_SOUND));
    EXPECT_TRUE(IsGreyed(ID_OPTIONS_PLAY));
}

TEST_F(StartUp, ARecordStoredDuringThePreviewStartsInThePreview) {
    GameState record = PlayingRecord();
    record.previewOn = 1;
    record.savedBoard = record.board;
    for (int32_t i = 0; i < 16; ++i)
        CellAt(record.board, i / 4, i % 4) = SOLVED_4[i];
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

TEST_F(StartUp, ARecordStoredAfterTheWinStartsSolved) {
    GameState record = PlayingRecord();
    record.solved = 1;
    for (int32_t i = 0; i < 16; ++i)
        CellAt(record.board, i / 4, i % 4) = i;
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_EQ(RecordBytes(gameState), RecordBytes(record));
    Click(250, 150);
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 15);
}

TEST_F(StartUp, AGridSizeOfZeroContinuesAtFour) {
    GameState record = PlayingRecord();
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

TEST_F(StartUp, APictureOutsideTheCatalogueIsContinuedAndMarksNothing) {
    TempDirectory elsewhere;
    const std::string moved = elsewhere.File("Puzzle9.bmp");
    WritePicture(moved, 120, 90);
    GameState record = PlayingRecord();
    std::strcpy(record.picturePath, moved.c_str());
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_STREQ(gameState.picturePath, moved.c_str());
    EXPECT_EQ(ClientSize().cx, 120);
    EXPECT_EQ(pictureCatalogue.usedFlags[0], 0);
    EXPECT_EQ(pictureCatalogue.usedFlags[1], 0);
}

// Each corruption makes the record unsound; the game that starts keeps the
// record's soundOn and, when valid, its gridSize.
struct Corruption {
    const char* name;
    std::function<void(GameState&)> apply;
    int32_t expectedGridSize;
};

void SetCells(Board& board, int32_t n, const std::vector<int32_t>& cells) {
    for (int32_t i = 0; i < n * n; ++i)
        CellAt(board, i / n, i % n) = cells[i];
}

class UnsoundRecord : public StartUp, public ::testing::WithParamInterface<Corruption> {};

TEST_P(UnsoundRecord, StartsANewGameKeepingTheSettings) {
    GameState record = PlayingRecord();
    record.soundOn = 3;
    GetParam().apply(record);
    Store(record);
    EXPECT_EQ(ContinueOrStartGame(), 1);
    EXPECT_TRUE(IsNewGameOn(3, GetParam().expectedGridSize));
    EXPECT_TRUE(IsChecked(ID_OPTIONS_SOUND));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, UnsoundRecord,
    ::testing::Values(
        Corruption{"GridSizeTwo", [](GameState& r) { r.gridSize = 2; }, 4},
        Corruption{"GridSizeSix", [](GameState& r) { r.gridSize = 6; }, 4},
        Corruption{"NegativeGridSize", [](GameState& r) { r.gridSize = -4; }, 4},
        Corruption{"PathWithoutNul",
                   [](GameState& r) { std::memset(r.picturePath, 'A', PICTURE_PATH_SIZE); }, 4},
        Corruption{"PreviewFlagTwo", [](GameState& r) { r.previewOn = 2; }, 4},
        Corruption{"SolvedFlagMinusOne", [](GameState& r) { r.solved = -1; }, 4},
        Corruption{"PreviewAndSolved",
                   [](GameState& r) {
                       r.previewOn = 1;
                       r.solved = 1;
                   },
                   4},
        Corruption{"RepeatedTile", [](GameState& r) { CellAt(r.board, 0, 0) = 1; }, 4},
        Corruption{"TileTooLarge", [](GameState& r) { CellAt(r.board, 0, 0) = 25; }, 4},
        Corruption{"LastTileWhilePlaying", [](GameState& r) { CellAt(r.board, 3, 3) = 15; }, 4},
        Corruption{"CodeBelowEmpty", [](GameState& r) { CellAt(r.board, 0, 0) = -2; }, 4},
        Corruption{"TwoEmptyCells", [](GameState& r) { CellAt(r.board, 0, 0) = EMPTY_CELL; }, 4},
        Corruption{"UnsolvableAtFour", [](GameState& r) { SetCells(r.board, 4, SWAPPED_4); }, 4},
        Corruption{"UnsolvableAtThree",
                   [](GameState& r) {
                       r.gridSize = 3;
                       SetCells(r.board, 3, {0, 1, 2, 3, 4, 5, 7, 6, -1});
                   },
                   3},
        Corruption{"UnsolvableAtFive",
                   [](GameState& r) {
                       r.gridSize = 5;
                       for (int32_t i = 0; i < 25; ++i)
                           r.board.cells[i] = i == 24 ? EMPTY_CELL : i;
                       std::swap(r.board.cells[0], r.board.cells[1]);
                   },
                   5},
        Corruption{"PreviewWithoutTheSolvedBoard",
                   [](GameState& r) {
                       r.previewOn = 1;
                       r.savedBoard = r.board;
                   },
                   4},
        Corruption{"PreviewParkingAnUnsolvableBoard",
                   [](GameState& r) {
                       r.previewOn = 1;
                       SetCells(r.savedBoard, 4, SWAPPED_4);
                       SetCells(r.board, 4, SOLVED_4);
                   },
                   4},
        Corruption{"SolvedWithoutTheLastTile",
                   [](GameState& r) {
                       r.solved = 1;
                       SetCells(r.board, 4, SOLVED_4);
                   },
                   4},
        Corruption{"SolvedWithTilesOutOfPlace",
                   [](GameState& r) {
                       r.solved = 1;
                       SetCells(r.board, 4, SWAPPED_4);
                       CellAt(r.board, 3, 3) = 15;
                   },
                   4}),
    [](const ::testing::TestParamInfo<Corruption>& info) { return std::string(info.param.name); });

class NoLoadablePicture : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        WriteTextFile(firstPicture);
        AddUnloadablePicture("2");
        ScanPictureDirectory();
    }
};

TEST_F(NoLoadablePicture, WithoutARecordTheStartUpStops) {
    EXPECT_EQ(ContinueOrStartGame(), 0);
    EXPECT_EQ(sourcePicture.Bitmap(), nullptr);
}

TEST_F(NoLoadablePicture, NorWhenTheStoredPictureIsGoneToo) {
    GameState record = DEFAULT_GAME_STATE;
    std::strcpy(record.picturePath, "C:\\NOWHERE\\PUZZLE1.BMP");
    SetCells(record.board, 4, PLAYING_4);
    WriteStoredValue(REG_BINARY, RecordBytes(record));
    EXPECT_EQ(ContinueOrStartGame(), 0);
}

class RunningInstance : public GameWindowTest {};

TEST_F(RunningInstance, ASecondStartDefersToTheWindowAlreadyThere) {
    const HWND first = mainWindow;
    EXPECT_EQ(StartInstance(moduleHandle, SW_SHOWNORMAL), 0);
    EXPECT_EQ(mainWindow, first);
    EXPECT_TRUE(IsWindow(first));
}

TEST_F(RunningInstance, AMinimisedFirstWindowIsRestored) {
    ShowWindow(mainWindow, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(mainWindow));
    EXPECT_EQ(StartInstance(moduleHandle, SW_SHOWNORMAL), 0);
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
    EXPECT_EQ(ClientSize().cx, 200);
    EXPECT_EQ(ClientSize().cy, 120);
}

}  // namespace
