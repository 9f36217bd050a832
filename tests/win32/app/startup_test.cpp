// Start-up in-process: a stored game is continued when its record is sound
// and its picture loads, and otherwise a new game starts on a catalogue
// picture; without a window it stops. (The second start and the error box are
// seen end to end.)
#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "app/application.h"
#include "app/main_window.h"
#include "app/process_state.h"
#include "common/resource_ids.h"
#include "app/saved_state.h"
#include "support/test_support.h"

namespace {

TEST(StartUp, AStoredGameContinuesOnlyWhenItsRecordIsSoundAndItsPictureLoads) {
    TempDirectory folder;
    // The window starts at the first picture's size, which does not load.
    ASSERT_TRUE(WriteBytes(folder.File("Puzzle1.bmp"), "not a picture"));
    ASSERT_TRUE(WriteBitmapFile(folder.File("Puzzle2.bmp"), {240, 150, 24, PatternPixel}));
    const struct {
        const char* name;
        void (*change)(GameState&);  // null: nothing stored
        bool continued;
        int32_t soundOn, gridSize;  // of the game that follows
    } cases[] = {
        {"a consistent record", [](GameState&) {}, true, 0, 3},
        {"no record", nullptr, false, 1, 4},
        {"an unsolvable board", [](GameState& r) { std::swap(r.board.cells[0], r.board.cells[1]); }, false, 0, 3},
        {"a picture that does not load", [](GameState& r) { std::strcpy(r.picturePath, PicturePath(0)); }, false, 0, 3},
    };
    for (const auto& c : cases) {
        EmptyCatalogue();
        ScanPicturesBeside(folder.File("Puzzle.exe").c_str());
        ASSERT_EQ(PictureCount(), 2);
        GameState record = DEFAULT_GAME_STATE;
        record.soundOn = 0;
        record.gridSize = 3;
        std::strcpy(record.picturePath, PicturePath(1));
        const int32_t cells[] = {0, 1, 2, 3, 4, 5, 6, EMPTY_CELL, 7};
        for (int32_t i = 0; i < 9; ++i)
            CellAt(record.board, i / 3, i % 3) = cells[i];
        ForgetStoredRecord();
        if (c.change) {
            c.change(record);
            gameState = record;
            SaveGameState();
        }
        gameState = DEFAULT_GAME_STATE;
        MainWindowScope window;
        EXPECT_EQ(ContinueOrStartGame(), 1) << c.name;
        EXPECT_EQ(std::memcmp(&gameState, &record, sizeof record) == 0, c.continued) << c.name;
        EXPECT_STREQ(gameState.picturePath, PicturePath(1)) << c.name;
        EXPECT_EQ(pictureCatalogue.usedFlags[1], 1) << c.name;
        EXPECT_EQ(gameState.soundOn, c.soundOn) << c.name;
        EXPECT_EQ(gameState.gridSize, c.gridSize) << c.name;
        EXPECT_EQ(gameState.previewOn + gameState.solved, 0) << c.name;
        EXPECT_TRUE(sourcePicture.Width() == 240 && canvasPicture.Width() == 240) << c.name;
        EXPECT_NE(sourcePicture.Bitmap(), canvasPicture.Bitmap()) << c.name;
        const UINT mark = GetMenuState(GetMenu(mainWindow), ID_OPTIONS_3X3, MF_BYCOMMAND) & MF_CHECKED;
        EXPECT_EQ(mark != 0, c.gridSize == 3) << c.name;
        EXPECT_TRUE(ClientSize().cx == 240 && ClientSize().cy == 150) << c.name;
    }
    ForgetStoredRecord();
}

TEST(StartUp, StopsWhenTheWindowCannotBeCreated) {
    UnregisterClassA(MAIN_CLASS_NAME, GetModuleHandleA(nullptr));  // no window of it can be made
    EXPECT_EQ(StartInstance(GetModuleHandleA(nullptr), SW_SHOWNORMAL), 0);
}

}  // namespace
