// Clicks on the board through the real window: which clicks move a tile,
// which are refused, the press cell, the cell geometry, the win, and the
// sounds started through the sound seam.
#include <windows.h>

#include "app/process_state.h"
#include "app/resource_ids.h"
#include "game/moves.h"
#include "game_window.h"
#include "support/bitmap_files.h"

namespace {

// 400 x 400 pixels at N = 4: cells of 100 x 100; cell (row, column) is
// clicked at its centre.
constexpr int32_t CELL = 100;
int32_t CentreOf(int32_t index) {
    return index * CELL + CELL / 2;
}

const std::vector<int32_t> SOLVED_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, -1};
// One move from the win: tile 11 sits in the bottom-right cell.
const std::vector<int32_t> ONE_FROM_WIN_4 = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 12, 13, 14, 11};

class TileMoves : public GameWindowTest {
protected:
    void SetUp() override {
        GameWindowTest::SetUp();
        UsePicture(firstPicture);
        SetBoard(4, SOLVED_4);
    }
    void ClickCell(int32_t row, int32_t column) { Click(CentreOf(column), CentreOf(row)); }
};

TEST_F(TileMoves, EachNeighbourOfTheEmptyCellSlidesInWithTheMoveSound) {
    SetBoard(3, {0, 1, 2, 3, -1, 5, 6, 7, 4});
    UsePicture(AddPicture("Three", 300, 300));
    ClickCell(0, 1);  // above
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, -1, 2, 3, 1, 5, 6, 7, 4}));
    ClickCell(1, 1);  // below, back down
    ClickCell(1, 0);  // left
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, 1, 2, -1, 3, 5, 6, 7, 4}));
    ClickCell(1, 1);  // right, back
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, 1, 2, 3, -1, 5, 6, 7, 4}));
    EXPECT_EQ(startedSounds, std::vector<int32_t>(4, IDR_WAVE_MOVE));
    EXPECT_EQ(gameState.solved, 0);
}

TEST_F(TileMoves, TheEmptyCellADiagonalADistantTileAndASecondClickMoveNothing) {
    ClickCell(3, 3);
    ClickCell(2, 2);
    ClickCell(3, 1);
    ClickCell(1, 3);
    EXPECT_EQ(UsedCells(), SOLVED_4);
    EXPECT_TRUE(startedSounds.empty());
    ClickCell(3, 2);
    ClickCell(3, 2);  // a double click: the cell is empty by now
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 14);
    EXPECT_EQ(CellAt(gameState.board, 3, 2), EMPTY_CELL);
    EXPECT_EQ(startedSounds.size(), 1u);
}

TEST_F(TileMoves, APressAndReleaseInDifferentCellsMoveNothing) {
    // Both cells lie next to the empty cell, in the same row, then in the same column.
    const std::vector<int32_t> gapInTheLastRow = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, -1, 14};
    SetBoard(4, gapInTheLastRow);
    Click(CentreOf(1), CentreOf(3), CentreOf(3), CentreOf(3));
    EXPECT_EQ(UsedCells(), gapInTheLastRow);
    SetBoard(4, ONE_FROM_WIN_4);
    Click(CentreOf(3), CentreOf(1), CentreOf(3), CentreOf(3));
    EXPECT_EQ(UsedCells(), ONE_FROM_WIN_4);
    // Within one cell the exact points do not matter.
    SetBoard(4, SOLVED_4);
    Click(CentreOf(2) - 40, CentreOf(3) - 40, CentreOf(2) + 40, CentreOf(3) + 40);
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 14);
}

TEST_F(TileMoves, AReleaseWithoutAPressActsOnTheLastPressCellTopLeftAtFirst) {
    pressCol = pressRow = 0;
    SetBoard(4, {0, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1});
    Release(CentreOf(0), CentreOf(0));
    EXPECT_EQ(CellAt(gameState.board, 0, 1), 0);

    SetBoard(4, SOLVED_4);
    Click(CentreOf(2), CentreOf(3), CentreOf(0), CentreOf(0));  // press on (3, 2), release elsewhere
    EXPECT_EQ(UsedCells(), SOLVED_4);
    Release(CentreOf(2), CentreOf(3));
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 14);
}

TEST_F(TileMoves, NothingMovesOrSoundsDuringThePreviewOrAfterTheWin) {
    gameState.previewOn = 1;
    ClickCell(3, 2);
    gameState.previewOn = 0;
    gameState.solved = 1;
    ClickCell(3, 2);
    EXPECT_EQ(UsedCells(), SOLVED_4);
    EXPECT_TRUE(startedSounds.empty());
}

TEST_F(TileMoves, TheStripBeyondWholeCellsOfA401PixelPictureBelongsToNoCell) {
    UsePicture(AddPicture("Wide", 401, 400));
    ASSERT_EQ(ClientSize().first, 401);
    Click(400, CentreOf(3));  // column 4, beside the empty cell but outside the grid
    EXPECT_EQ(UsedCells(), SOLVED_4);
    SetBoard(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, -1, 14});
    Click(399, CentreOf(3));
    EXPECT_EQ(CellAt(gameState.board, 3, 2), 14);
}

TEST_F(TileMoves, APictureWithoutWholeCellsTakesNoPressOrRelease) {
    UsePicture(AddPicture("Tiny", 3, 3));  // cells of 0 x 0 at N = 4
    pressCol = 2;
    pressRow = 3;
    Click(0, 0);
    Release(1, 1);
    EXPECT_EQ(pressCol, 2);
    EXPECT_EQ(pressRow, 3);
    EXPECT_EQ(UsedCells(), SOLVED_4);
}

class WinningMove : public TileMoves {
protected:
    void SetUp() override {
        TileMoves::SetUp();
        SetBoard(4, ONE_FROM_WIN_4);
        ShowWindow(mainWindow, SW_SHOWNOACTIVATE);  // only a visible window is painted
        UpdateWindow(mainWindow);
    }
};

TEST_F(WinningMove, PutsTheLastTileInRepaintsStartsTheWinSoundAndEndsTheGame) {
    ClickCell(3, 3);
    EXPECT_EQ(gameState.solved, 1);
    EXPECT_EQ(UsedCells(), (std::vector<int32_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    EXPECT_EQ(startedSounds, (std::vector<int32_t>{IDR_WAVE_MOVE, IDR_WAVE_SOLVED}));
    // The slide left the cell black; only the repaint draws tile 15 there.
    const int32_t x = CentreOf(3) + 1;
    const int32_t y = CentreOf(3) + 2;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, canvasPicture.Bitmap());
    EXPECT_EQ(GetPixel(memory, x, y), PatternPixel(x, y));
    SelectObject(memory, previous);
    DeleteDC(memory);

    startedSounds.clear();
    ClickCell(2, 3);
    ClickCell(3, 2);
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 15);
    EXPECT_TRUE(startedSounds.empty());
}

TEST_F(WinningMove, WithSoundOffTheMovesAndTheWinAreSilent) {
    gameState.soundOn = 0;
    SetBoard(4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 10, 12, 13, 14, 11});
    ClickCell(2, 3);
    ClickCell(3, 3);
    EXPECT_EQ(gameState.solved, 1);
    EXPECT_EQ(CellAt(gameState.board, 3, 3), 15);
    EXPECT_TRUE(startedSounds.empty());
}

}  // namespace
