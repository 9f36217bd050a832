// Hostile input for the two checks that stand between the game and what it
// reads from outside, over thousands of seeded cases: picture files of every
// kind cut short or with mutated headers, and stored records with mutated
// fields. Natively the run is under the sanitizers, so a stray read, an
// overflow or other undefined behaviour in a check fails it too.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/random.h"
#include "game/record_check.h"
#include "game/shuffle.h"
#include "render/picture_file_check.h"
#include "tools/bitmaps/bitmap_file.h"

namespace {

uint64_t PageEnd(uint64_t length) {
    return (length + 4095) / 4096 * 4096;
}

// A file of that length whose first bytes are bytes.
int32_t Fits(const std::string& bytes, uint64_t length) {
    const size_t head = static_cast<size_t>(std::min<uint64_t>(bytes.size(), length));
    return FitsDeclaredLayout(reinterpret_cast<const uint8_t*>(bytes.data()), head, length);
}

// Every kind of file the writer makes, at random sizes: bits, header size,
// top-down, run-length, colour count in the header.
std::vector<BitmapLayout> EveryKind(std::mt19937& random) {
    static const int32_t KINDS[][5] = {{1, 40, 0, 0, -1},  {4, 40, 0, 0, -1},  {8, 40, 0, 0, -1},   {16, 40, 0, 0, -1},
                                       {24, 40, 0, 0, -1}, {32, 40, 0, 0, -1}, {24, 40, 1, 0, -1},  {1, 12, 0, 0, -1},
                                       {4, 12, 0, 0, -1},  {8, 12, 0, 0, -1},  {24, 12, 0, 0, -1},  {8, 40, 0, 1, -1},
                                       {4, 40, 0, 1, -1},  {8, 108, 0, 0, -1}, {32, 124, 0, 0, -1}, {1, 40, 0, 0, 256},
                                       {8, 40, 0, 0, 3}};
    std::vector<BitmapLayout> layouts;
    for (const auto& kind : KINDS) {
        const int32_t width = 1 + static_cast<int32_t>(random() % 120);
        BitmapLayout layout{width, 1 + static_cast<int32_t>(random() % 120), kind[0], PatternPixel, kind[2] != 0};
        layout.headerSize = kind[1];
        layout.runLength = kind[3] != 0;
        layout.declaredColours = kind[4];
        layouts.push_back(layout);
    }
    return layouts;
}

TEST(PictureFileCheck, TakesEveryWholeFileAndACutOneExactlyWhileItsLastPageHoldsTheData) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 3; ++round)
        for (const BitmapLayout& layout : EveryKind(random)) {
            const std::string bytes = BitmapFileBytes(layout);
            const uint64_t length = bytes.size(), pixels = PixelDataOffset(layout);
            SCOPED_TRACE(testing::Message() << layout.bitsPerPixel << " bits, header " << layout.headerSize);
            ASSERT_EQ(Fits(bytes, length), 1);
            for (int cut = 0; cut < 100; ++cut) {
                const uint64_t kept = pixels + random() % (length - pixels);
                ASSERT_EQ(Fits(bytes, kept), length <= PageEnd(kept) ? 1 : 0) << kept << " of " << length << " bytes";
            }
        }
}

// Files of rows of 4 bytes whose pixel offset is 0: the pixels follow the headers and the colour table
// (2^bits entries when an info header counts none) or the bit-field masks (after an info header, inside a
// V4 or V5 one). Each ends on a page that byte-packed rows after a 40-byte header would not reach, and is
// refused without that page; a row shorter, it ends in a page's last 4 bytes and is taken.
TEST(PictureFileCheck, HeadersColourTableAndRowPaddingMoveTheEndOfThePixels) {
    static const int32_t KINDS[][3] = {{1, 12, 0},  {8, 12, 0},   {4, 40, 0},  {8, 40, 0},  {24, 40, 0},
                                       {8, 108, 0}, {32, 124, 0}, {32, 40, 1}, {16, 40, 1}, {32, 108, 1}};
    for (const auto& [bits, header, bitFields] : KINDS) {
        BitmapLayout layout{32 / bits, 1, bits, PatternPixel};
        layout.headerSize = header;
        layout.declaredColours = 0;
        if (bitFields)
            layout.masks = bits == 16 ? std::array<uint32_t, 3>{0xF800, 0x07E0, 0x001F}
                                      : std::array<uint32_t, 3>{0x0000FF, 0x00FF00, 0xFF0000};
        const uint64_t start = PixelDataOffset(layout), least = 14 + std::min(header, 40);
        const uint64_t packedRow = (layout.width * bits + 7) / 8;  // 3 of the 4 bytes at 24 bits
        while (PageEnd(least + packedRow * layout.height) == PageEnd(start + 4 * layout.height))
            ++layout.height;
        const auto atOffsetZero = [&layout] { return BitmapFileBytes(layout).replace(10, 4, 4, '\0'); };
        const std::string bytes = atOffsetZero();
        SCOPED_TRACE(testing::Message() << bits << " bits, header " << header << (bitFields ? ", bit fields" : ""));
        EXPECT_EQ(Fits(bytes, bytes.size()), 1);
        EXPECT_EQ(Fits(bytes, PageEnd(bytes.size()) - 4096), 0) << bytes.size() << " bytes";
        --layout.height;
        EXPECT_EQ(Fits(atOffsetZero(), bytes.size() - 4), 1) << "a row shorter";
    }
}

uint32_t Field(const std::string& bytes, size_t at, size_t size = 4) {
    uint32_t value = 0;
    for (size_t i = size; i-- > 0;)
        value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

double SignedField(const std::string& bytes, size_t at) {
    return static_cast<int32_t>(Field(bytes, at));
}

// The least a file holds for what its first bytes declare, counted another
// way than the check counts: byte-packed rows, or the run-length data, from
// the pixel offset on.
double LeastPixelEnd(const std::string& head) {
    const bool core = Field(head, 14) == 12;
    const uint32_t compression = core ? 0 : Field(head, 30);
    const bool runLength = compression == 1 || compression == 2;
    const double width = core ? Field(head, 18, 2) : SignedField(head, 18);
    const double height = core ? Field(head, 20, 2) : SignedField(head, 22);
    const double bits = Field(head, core ? 24 : 28, 2);
    const double raster = std::abs(height) * std::ceil(width * bits / 8);
    return Field(head, 10) + (runLength ? Field(head, 34) : raster);
}

TEST(PictureFileCheck, ATakenFileHoldsWhatItsMutatedHeaderDeclares) {
    static const size_t FIELDS[] = {10, 14, 18, 22, 26, 30, 34, 46};  // what sizes the reading
    static const uint32_t LIMITS[] = {0,   1,   2,     12,    13,         14,         40,
                                      108, 124, 65535, 65536, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    std::mt19937 random(7);
    std::vector<std::pair<std::string, uint64_t>> files;  // first bytes, length
    for (const BitmapLayout& layout : EveryKind(random)) {
        const std::string bytes = BitmapFileBytes(layout) + std::string(PICTURE_HEAD_SIZE, '\0');
        files.emplace_back(bytes.substr(0, PICTURE_HEAD_SIZE), bytes.size() - PICTURE_HEAD_SIZE);
    }
    for (int i = 0; i < 30000; ++i) {
        std::string head = files[i % files.size()].first;
        for (uint32_t n = 1 + random() % 3; n > 0; --n) {
            const size_t field = FIELDS[random() % std::size(FIELDS)];
            const size_t at = random() % 3 ? field : random() % (PICTURE_HEAD_SIZE - 3);
            const uint32_t value = random() % 4 ? LIMITS[random() % std::size(LIMITS)] : random();
            for (size_t byte = 0; byte < 4; ++byte)
                head[at + byte] = static_cast<char>(value >> 8 * byte);
        }
        const uint64_t written = files[i % files.size()].second;
        const uint64_t length = random() % (2 * written) + (random() % 8 ? 0 : 1ull << 32);
        if (!Fits(head, length))
            continue;
        std::string seen = head.substr(0, std::min<uint64_t>(length, PICTURE_HEAD_SIZE));
        seen.resize(PICTURE_HEAD_SIZE, '\0');  // as the loader sees a shorter file
        ASSERT_EQ(seen.substr(0, 2), "BM") << "case " << i;
        ASSERT_LE(LeastPixelEnd(seen), static_cast<double>(PageEnd(length))) << "case " << i;
        if (length >= PICTURE_HEAD_SIZE) {
            ASSERT_EQ(Fits(head, length + random() % 100000), 1) << "longer, case " << i;
        }
    }
}

// Whether slides can solve a board, found another way than the game finds
// it: the permutation's parity from its cycles against the empty cell's
// distance from home.
bool SlidesCanSolve(const Board& board, int32_t n) {
    std::vector<int32_t> tiles;  // row by row, the empty cell as tile N*N-1
    int32_t empty = 0;
    for (int32_t i = 0; i < n * n; ++i) {
        const int32_t cell = CellAt(board, i / n, i % n);
        const int32_t tile = cell == EMPTY_CELL ? n * n - 1 : cell;
        if (cell < EMPTY_CELL || cell > n * n - 2 || std::count(tiles.begin(), tiles.end(), tile))
            return false;
        empty = cell == EMPTY_CELL ? i : empty;
        tiles.push_back(tile);
    }
    std::vector<bool> visited(n * n, false);
    int32_t exchanges = 0;  // a cycle of length L takes L - 1
    for (int32_t i = 0; i < n * n; ++i) {
        for (int32_t j = tiles[i]; !visited[i] && j != i; j = tiles[j], ++exchanges)
            visited[j] = true;
        visited[i] = true;
    }
    return exchanges % 2 == (2 * n - 2 - empty / n - empty % n) % 2;
}

bool HoldsSolvedArrangement(const Board& board, int32_t n, int32_t lastCell) {
    for (int32_t i = 0; i < n * n; ++i)
        if (CellAt(board, i / n, i % n) != (i == n * n - 1 ? lastCell : i))
            return false;
    return true;
}

bool KeepsInvariants(const GameState& record) {
    const int32_t n = record.gridSize, preview = record.previewOn, solved = record.solved;
    const bool flags = (preview == 0 || preview == 1) && (solved == 0 || solved == 1);
    if (n < 3 || n > 5 || !std::memchr(record.picturePath, '\0', PICTURE_PATH_SIZE) || !flags || preview + solved > 1)
        return false;
    if (solved)
        return HoldsSolvedArrangement(record.board, n, n * n - 1);
    if (preview)
        return HoldsSolvedArrangement(record.board, n, EMPTY_CELL) && SlidesCanSolve(record.savedBoard, n);
    return SlidesCanSolve(record.board, n);
}

// A record as the game writes it, playing, in the preview or solved, then
// mutated: cells exchanged or set, flags and grid size set to odd values,
// the path's NUL overwritten.
GameState MutatedRecord(std::mt19937& random) {
    static const int32_t VALUES[] = {-2, -1, 0, 1, 2, 3, 4, 5, 6, 8, 15, 24, INT32_MIN, INT32_MAX};
    gameState = DEFAULT_GAME_STATE;
    gameState.gridSize = 3 + static_cast<int32_t>(random() % 3);
    SeedRandom(random());
    ShuffleBoard();
    const int32_t state = static_cast<int32_t>(random() % 3), n = gameState.gridSize;
    gameState.savedBoard = gameState.board;
    if (state > 0)
        SetSolvedBoard();
    gameState.previewOn = state == 1;
    gameState.solved = state == 2;
    CellAt(gameState.board, n - 1, n - 1) = state == 2 ? n * n - 1 : EMPTY_CELL;
    GameState record = gameState;
    for (uint32_t mutations = random() % 4; mutations > 0; --mutations) {
        Board& board = random() % 2 ? record.board : record.savedBoard;
        int32_t* const fields[] = {&record.gridSize, &record.previewOn, &record.solved,
                                   &board.cells[random() % BOARD_CELLS]};
        if (random() % 8 == 0)
            std::memset(record.picturePath, 'A', PICTURE_PATH_SIZE);
        else if (random() % 2)
            std::swap(board.cells[random() % BOARD_CELLS], board.cells[random() % BOARD_CELLS]);
        else
            *fields[random() % std::size(fields)] = VALUES[random() % std::size(VALUES)];
    }
    return record;
}

TEST(RestoredRecordCheck, TakesExactlyTheRecordsThatKeepEveryInvariantAsStoredAndResetsTheOthers) {
    const GameState saved = gameState;
    std::mt19937 random(1207);
    for (int i = 0; i < 20000; ++i) {
        GameState record = MutatedRecord(random), restored = record;
        const int32_t taken = AcceptRestoredRecord(restored);
        record.gridSize = record.gridSize == 0 ? DEFAULT_GRID_SIZE : record.gridSize;
        ASSERT_EQ(taken, KeepsInvariants(record) ? 1 : 0) << "case " << i;
        // A refused record keeps only its sound flag and a grid size the game can play.
        GameState expected = taken ? record : DEFAULT_GAME_STATE;
        expected.soundOn = record.soundOn;
        expected.gridSize = taken || (record.gridSize >= 3 && record.gridSize <= 5) ? record.gridSize
                                                                                    : DEFAULT_GRID_SIZE;
        ASSERT_EQ(std::memcmp(&restored, &expected, sizeof expected), 0) << "case " << i;
    }
    gameState = saved;
}

}  // namespace
