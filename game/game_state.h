// The game state record, the board and its solved arrangement. The record is
// also the stored format of a saved game, so its layout is fixed to the byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t EMPTY_CELL = -1;
constexpr int32_t BOARD_STRIDE = 5;
constexpr int32_t BOARD_CELLS = BOARD_STRIDE * BOARD_STRIDE;
constexpr int32_t MIN_GRID_SIZE = 3;
constexpr int32_t MAX_GRID_SIZE = 5;
constexpr int32_t DEFAULT_GRID_SIZE = 4;

constexpr bool IsValidGridSize(int32_t n) {
    return n >= MIN_GRID_SIZE && n <= MAX_GRID_SIZE;
}
constexpr int32_t PICTURE_PATH_SIZE = 260;

// Cell (row, column) is element row * BOARD_STRIDE + column, whatever N is.
struct Board {
    int32_t cells[BOARD_CELLS];
};

struct GameState {
    int32_t soundOn;
    int32_t gridSize;
    char picturePath[PICTURE_PATH_SIZE];
    int32_t previewOn;
    int32_t solved;
    Board board;
    Board savedBoard;
};

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the record is stored little-endian");
static_assert(sizeof(Board) == 100);
static_assert(sizeof(GameState) == 476);
static_assert(offsetof(GameState, soundOn) == 0);
static_assert(offsetof(GameState, gridSize) == 4);
static_assert(offsetof(GameState, picturePath) == 8);
static_assert(offsetof(GameState, previewOn) == 268);
static_assert(offsetof(GameState, solved) == 272);
static_assert(offsetof(GameState, board) == 276);
static_assert(offsetof(GameState, savedBoard) == 376);

// The values at program load: sound on, a 4 x 4 grid, everything else zero.
constexpr GameState DEFAULT_GAME_STATE = {1, DEFAULT_GRID_SIZE, {}, 0, 0, {}, {}};

// The one game state of the process, holding DEFAULT_GAME_STATE at program load.
extern GameState gameState;

inline int32_t& CellAt(Board& board, int32_t row, int32_t column) {
    return board.cells[row * BOARD_STRIDE + column];
}

inline int32_t CellAt(const Board& board, int32_t row, int32_t column) {
    return board.cells[row * BOARD_STRIDE + column];
}

// Every used cell (r, c) holds r * N + c, the bottom-right one EMPTY_CELL;
// cells outside the grid keep what they hold.
void SetSolvedBoard();

// 1 when every used cell of a board of grid size n but the bottom-right one
// holds its own tile.
int32_t IsSolved(const Board& board, int32_t n);
