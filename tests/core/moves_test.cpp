// The move rule: which clicked cells slide their tile and the tiles between it
// and the gap, the board after, what the shell is asked in what order, and the
// press and release that make a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "game/moves.h"
#include "game/strip.h"
#include "recording_shell.h"

namespace {

const std::string MOVE_SOUND = "sound move";
const std::string WIN_SOUND = "sound win";

const std::vector<int32_t> SOLVED_3 = {0, 1, 2, 3, 4, 5, 6, 7, X};
const std::vector<int32_t> GAP_IN_THE_MIDDLE = {0, 1, 2, 3, X, 5, 6, 7, 4};
const std::vector<int32_t> GAP_TOP_LEFT = {X, 1, 2, 3, 4, 5, 6, 7, 0};

struct MoveCase {
    const char* what;
    std::vector<int32_t> before;
    CellPosition clicked;        // column, row
    std::vector<int32_t> after;  // empty: the move is refused and the board stays
    Calls calls;
    int32_t previewOn = 0, solved = 0, soundOn = 1;
    int32_t outside = X;  // what a larger game left outside the grid
};

// Outside the grid lie empty cells, so a search that strays there is caught.
const MoveCase MOVES[] = {
    {"refused in the preview", GAP_IN_THE_MIDDLE, {1, 0}, {}, {}, 1, 0},
    {"refused after the win", GAP_IN_THE_MIDDLE, {1, 0}, {}, {}, 0, 1},
    {"refused right of the grid", SOLVED_3, {3, 2}, {}, {}, 0, 0, 1, 8},
    {"refused below the grid", SOLVED_3, {2, 3}, {}, {}, 0, 0, 1, 8},
    {"refused left of the grid", GAP_TOP_LEFT, {-1, 0}, {}, {}},
    {"refused above the grid", GAP_TOP_LEFT, {0, -1}, {}, {}},
    {"gap above", GAP_IN_THE_MIDDLE, {1, 2}, {0, 1, 2, 3, 7, 5, 6, X, 4}, {MOVE_SOUND, "slide 7 1,2->1,1"}},
    {"silent move", GAP_IN_THE_MIDDLE, {1, 2}, {0, 1, 2, 3, 7, 5, 6, X, 4}, {"slide 7 1,2->1,1"}, 0, 0, 0},
    {"leaving the solved arrangement", SOLVED_3, {1, 2}, {0, 1, 2, 3, 4, 5, 6, X, 7}, {MOVE_SOUND, "slide 7 1,2->2,2"}},
    {"winning move",
     {0, 1, 2, 3, 4, X, 6, 7, 5},
     {2, 2},
     {0, 1, 2, 3, 4, 5, 6, 7, 8},
     {MOVE_SOUND, "slide 5 2,2->2,1", "repaint", WIN_SOUND}},
    {"winning strip",
     {0, 1, 2, 3, 4, 5, X, 6, 7},
     {2, 2},
     {0, 1, 2, 3, 4, 5, 6, 7, 8},
     {MOVE_SOUND, "slide 7 2,2->0,2", "repaint", WIN_SOUND}},
    {"silent win",
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, X, 14},
     {3, 3},
     {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15},
     {"slide 14 3,3->2,3", "repaint"},
     0,
     0,
     0},
};

TEST(MoveRule, ATileInTheGapsLineSlidesInAfterItsSoundAndTheWinRepaintsBeforeItsSound) {
    for (const MoveCase& c : MOVES) {
        ResetShellAndGame();
        gameState.gridSize = GridSizeOf(c.before);
        gameState.board = BoardOf(c.before, c.outside);
        gameState.previewOn = c.previewOn;
        gameState.solved = c.solved;
        gameState.soundOn = c.soundOn;
        TryMoveTile(c.clicked.column, c.clicked.row);
        EXPECT_EQ(Cells(gameState.board), Cells(BoardOf(c.after.empty() ? c.before : c.after, c.outside))) << c.what;
        EXPECT_EQ(shell.calls, c.calls) << c.what;
        const bool won = std::count(c.calls.begin(), c.calls.end(), "repaint") > 0;
        EXPECT_EQ(gameState.solved, won ? 1 : c.solved) << c.what;
        if (won) {
            EXPECT_EQ(Cells(shell.repainted), Cells(gameState.board)) << c.what;
        }
    }
}

// An n x n board with the gap at gap and the tiles in reverse order, which no
// single move solves.
Board ReversedBoardWithGap(int32_t n, CellPosition gap) {
    std::vector<int32_t> cells;
    for (int32_t tile = n * n - 2; tile >= 0; --tile)
        cells.push_back(tile);
    cells.insert(cells.begin() + gap.row * n + gap.column, X);
    return BoardOf(cells);
}

// The board after a click on a tile in the gap's row or column: that line with
// the gap taken out and put back in at the clicked cell.
Board AfterStrip(Board board, int32_t n, CellPosition clicked, CellPosition gap) {
    const bool alongRow = clicked.row == gap.row;
    const auto cellOfLine = [&](int32_t i) -> int32_t& {
        return alongRow ? CellAt(board, gap.row, i) : CellAt(board, i, gap.column);
    };
    std::vector<int32_t> line;
    for (int32_t i = 0; i < n; ++i)
        line.push_back(cellOfLine(i));
    line.erase(line.begin() + (alongRow ? gap.column : gap.row));
    line.insert(line.begin() + (alongRow ? clicked.column : clicked.row), X);
    for (int32_t i = 0; i < n; ++i)
        cellOfLine(i) = line[i];
    return board;
}

std::string At(CellPosition cell) {
    return std::to_string(cell.column) + "," + std::to_string(cell.row);
}

TEST(MoveRule, AClickInTheGapsRowOrColumnSlidesEveryTileBetweenAndAnyOtherClickNothing) {
    for (int32_t n = 3; n <= 5; ++n)
        for (int32_t gapIndex = 0; gapIndex < n * n; ++gapIndex)
            for (int32_t clickedIndex = 0; clickedIndex < n * n; ++clickedIndex) {
                const CellPosition gap = {gapIndex % n, gapIndex / n};
                const CellPosition clicked = {clickedIndex % n, clickedIndex / n};
                const bool inLine = gapIndex != clickedIndex &&
                                    (gap.row == clicked.row || gap.column == clicked.column);
                const std::string what = "N = " + std::to_string(n) + ", gap " + At(gap) + ", clicked " + At(clicked);
                ResetShellAndGame();
                gameState.gridSize = n;
                gameState.board = ReversedBoardWithGap(n, gap);
                const Board before = gameState.board;
                const Board after = inLine ? AfterStrip(before, n, clicked, gap) : before;
                TileMove move = {};
                const int32_t found = FindMove(gameState, clicked, move);
                TryMoveTile(clicked.column, clicked.row);

                EXPECT_EQ(Cells(gameState.board), Cells(after)) << what;
                const std::string slide = "slide " + std::to_string(CellAt(before, clicked.row, clicked.column)) + " " +
                                          At(clicked) + "->" + At(gap);
                const Calls calls = inLine ? Calls{MOVE_SOUND, slide} : Calls{};
                EXPECT_EQ(shell.calls, calls) << what;
                int32_t changed = 0;
                for (int32_t i = 0; i < BOARD_CELLS; ++i)
                    changed += before.cells[i] != after.cells[i];
                EXPECT_EQ(found ? StripLength(move) + 1 : 0, changed) << what << ": the tiles the move counts";
            }
}

// 401 x 400 pixels at N = 4: cells of 100 x 100 and a one-pixel strip at the
// right that belongs to no cell. Tiles 13 and 14 are left and right of the gap.
class PressAndRelease : public ::testing::Test {
protected:
    void SetUp() override {
        ResetShellAndGame();
        shell.pictureSize = {401, 400};
        gameState.board = BoardOf({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 10, 12, 13, X, 14});
    }
};

TEST_F(PressAndRelease, OnlyAReleaseInTheLastPressedCellMovesItsTile) {
    constexpr int32_t NO_PRESS = -1;
    const Calls slides14 = {MOVE_SOUND, "slide 14 3,3->2,3"};
    const struct {
        const char* what;
        int32_t pressX, pressY, releaseX, releaseY;
        Calls calls;
    } clicks[] = {
        {"one point", 350, 350, 350, 350, slides14},
        {"two corners of one cell", 300, 300, 399, 399, slides14},
        {"the strip beyond the grid", 400, 350, 400, 350, {}},
        {"one column, two rows", 250, 50, 250, 250, {}},
        {"two cells that both border the gap", 150, 350, 350, 350, {}},
        {"a release alone, in the cell pressed before", NO_PRESS, 0, 150, 350, {MOVE_SOUND, "slide 13 1,3->2,3"}}};
    for (const auto& click : clicks) {  // in order: the press cell outlives its release
        SetUp();
        if (click.pressX != NO_PRESS)
            PressCell(click.pressX, click.pressY);
        ReleaseCell(click.releaseX, click.releaseY);
        EXPECT_EQ(shell.calls, click.calls) << click.what;
    }
}

TEST_F(PressAndRelease, APictureNarrowerOrLowerThanNPixelsHasNoCells) {
    for (const PictureSize size : {PictureSize{3, 400}, PictureSize{400, 3}, PictureSize{0, 0}}) {
        shell.pictureSize = size;
        pressCol = pressRow = 3;
        PressCell(0, 0);
        ReleaseCell(350, 350);
        EXPECT_EQ(std::make_pair(pressCol, pressRow), std::make_pair(3, 3));
        EXPECT_TRUE(shell.calls.empty()) << size.width << " x " << size.height;
    }
}

}  // namespace
