// DrawBoard, every pixel against values worked out here from the rules: a
// tile is cut from the cell its number names and bevelled (copied plain when
// narrower or lower than two pixels), the empty cell is black, the strips
// beyond whole cells keep the canvas's pixels, and nothing beyond the
// picture is touched. Both means of drawing the bevel must give them, on
// every depth of a picture file (what an 8- or 16-bit canvas can hold: the
// nearest colour-table entry, 5 bits a channel) and on sections of mixed
// formats, row orders and bit fields: a section that keeps a file's masks
// (Wine's loader turns them into plain bytes, or 5-5-5 at 16 bits) is drawn
// through its bits only where they say bytes B, G, R.
#include <gtest/gtest.h>

#include "render/board_painter.h"
#include "support/test_support.h"
#include "tools/bitmaps/picture_section.h"

namespace {

constexpr int32_t WIDTH = 62;  // neither size a multiple of 3, 4 or 5
constexpr int32_t HEIGHT = 47;
constexpr Colour MARK = MakeColour(1, 2, 3);
constexpr Colour UNIFORM = MakeColour(90, 60, 30);
constexpr std::array<uint32_t, 3> RED_BLUE_SWAPPED = {0x0000FF, 0x00FF00, 0xFF0000};

BitmapLayout BitFields32(std::array<uint32_t, 3> masks) {
    BitmapLayout layout{WIDTH, HEIGHT, 32, PatternPixel};
    layout.masks = masks;
    return layout;
}

Colour MarkedInside(int32_t x, int32_t y) {
    return x == 6 && y == 7 ? MakeColour(10, 20, 30) : UNIFORM;
}

struct Pictures {
    const char* name;
    BitmapLayout source;
    BitmapLayout canvas;        // of the source's depth and row order: both loaded from one file
    bool screenFormat = false;  // both held as the game holds a 24-bit picture
};

const Pictures PICTURES[] = {
    {"8-bit file", {WIDTH, HEIGHT, 8, PatternPixel}, {WIDTH, HEIGHT, 8, PatternPixel}},
    {"16-bit file", {WIDTH, HEIGHT, 16, PatternPixel}, {WIDTH, HEIGHT, 16, PatternPixel}},
    {"24-bit file", {WIDTH, HEIGHT, 24, PatternPixel}, {WIDTH, HEIGHT, 24, PatternPixel}},
    {"32-bit file", {WIDTH, HEIGHT, 32, PatternPixel}, {WIDTH, HEIGHT, 32, PatternPixel}},
    {"24-bit file in the screen's format", {WIDTH, HEIGHT, 24, PatternPixel}, {WIDTH, HEIGHT, 24, PatternPixel}, true},
    {"top-down 24 bits on top-down 32",
     {WIDTH, HEIGHT, 24, PatternPixel, true},
     {WIDTH, HEIGHT, 32, PatternPixel, true}},
    // A canvas whose first and last rows are alike, in either order.
    {"32 bits on uniform 24", {WIDTH, HEIGHT, 32, PatternPixel}, {WIDTH, HEIGHT, 24, SolidPixel(UNIFORM)}},
    {"24 bits on uniform top-down 32",
     {WIDTH, HEIGHT, 24, PatternPixel},
     {WIDTH, HEIGHT, 32, SolidPixel(UNIFORM), true}},
    // Each picture knows its row order from the moment it is made, though its tile borders read alike.
    {"top-down 32 bits, plain tile borders, on uniform top-down 24",
     {WIDTH, HEIGHT, 32, MarkedInside, true},
     {WIDTH, HEIGHT, 24, SolidPixel(UNIFORM), true}},
    {"top-down 32 bits, plain tile borders, on uniform 32",
     {WIDTH, HEIGHT, 32, MarkedInside, true},
     {WIDTH, HEIGHT, 32, SolidPixel(UNIFORM)}},
    {"32-bit bit fields in the usual places on 24",
     BitFields32({0xFF0000, 0x00FF00, 0x0000FF}),
     {WIDTH, HEIGHT, 24, PatternPixel}},
    {"32-bit bit fields, red and blue swapped, on 24",
     BitFields32(RED_BLUE_SWAPPED),
     {WIDTH, HEIGHT, 24, PatternPixel}},
    // Cells of 2 x 2, 2 x 1 and 1 x 1 pixels: no room for a bevel below two.
    {"8 x 7 pixels", {8, 7, 24, PatternPixel}, {8, 7, 24, PatternPixel}}};

struct BoardCase {
    const char* name;
    int32_t gridSize;
    std::vector<int32_t> cells;  // row by row
};

const BoardCase BOARDS[] = {
    {"shuffled", 3, {7, 0, 5, 3, EMPTY_CELL, 1, 6, 2, 4}},
    {"preview", 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, EMPTY_CELL}},
    {"won", 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}}};

Board MakeBoard(const BoardCase& board) {
    Board made = {};
    for (int32_t i = 0; i < board.gridSize * board.gridSize; ++i)
        CellAt(made, i / board.gridSize, i % board.gridSize) = board.cells[static_cast<size_t>(i)];
    return made;
}

Colour ExpectedPixel(const Pictures& pictures, const BoardCase& board, int32_t x, int32_t y) {
    const int32_t n = board.gridSize;
    const int32_t cellWidth = pictures.source.width / n, cellHeight = pictures.source.height / n;
    const int32_t column = x / cellWidth, row = y / cellHeight;
    if (x >= pictures.source.width || y >= pictures.source.height)
        return MARK;
    if (column >= n || row >= n)
        return StoredColour(pictures.canvas, pictures.canvas.pixel(x, y));
    const int32_t tile = board.cells[static_cast<size_t>(row * n + column)];
    if (tile == EMPTY_CELL)
        return 0;
    const int32_t tileX = x - column * cellWidth, tileY = y - row * cellHeight;
    const int32_t homeX = tile % n * cellWidth, homeY = tile / n * cellHeight;  // the cell of its number
    const Colour picture = StoredColour(pictures.source, pictures.source.pixel(homeX + tileX, homeY + tileY));
    if (cellWidth < 2 || cellHeight < 2)
        return picture;
    return StoredColour(pictures.canvas, BevelledPixel(picture, tileX, tileY, cellWidth, cellHeight));
}

// Pictures of one depth come from one file through the loader, as the game's do.
void Make(PictureBitmap& picture, const BitmapLayout& layout, const std::string& file) {
    if (file.empty())
        ASSERT_EQ(picture.Attach(PictureSection(layout)), 1);
    else
        ASSERT_EQ(picture.Load(GetModuleHandleA(nullptr), file.c_str()), 1);
}

TEST(BoardPainting, EveryPixelFollowsTheRulesWhateverTheFormatsAndTheMeans) {
    TempDirectory folder;
    for (const Pictures& pictures : PICTURES) {
        const bool oneFile = pictures.source.bitsPerPixel == pictures.canvas.bitsPerPixel &&
                             pictures.source.topDown == pictures.canvas.topDown;
        const std::string file = oneFile ? folder.File(std::string(pictures.name) + ".bmp") : "";
        ASSERT_TRUE(file.empty() || WriteBitmapFile(file, pictures.source));
        for (const BevelMeans means : {BevelMeans::PerPixel, BevelMeans::Automatic})
            for (const BoardCase& board : BOARDS) {
                SetBevelMeans(means);
                PictureBitmap source, canvas;  // a fresh canvas shows what this drawing did
                Make(source, pictures.source, file);
                Make(canvas, pictures.canvas, file);
                if (pictures.screenFormat) {
                    source.UseScreenFormat();
                    canvas.UseScreenFormat();
                }
                const int32_t width = pictures.source.width + 3, height = pictures.source.height + 2;
                DrawingTarget target({width, height, 32, SolidPixel(MARK)});
                const bool direct = means == BevelMeans::Automatic && pictures.source.bitsPerPixel >= 24 &&
                                    pictures.source.masks != RED_BLUE_SWAPPED;
                HDC canvasDc = CreateCompatibleDC(nullptr);  // source's tiles drawn on canvas
                const HGDIOBJ previous = SelectObject(canvasDc, canvas.Bitmap());
                EXPECT_EQ(source.DrawsBevelThroughBits(canvasDc), direct) << pictures.name;
                SelectObject(canvasDc, previous);
                DeleteDC(canvasDc);
                DrawBoard(target.Dc(), BoardScene{MakeBoard(board), board.gridSize, source, canvas});
                std::vector<Colour> expected;
                for (int32_t y = 0; y < height; ++y)
                    for (int32_t x = 0; x < width; ++x)
                        expected.push_back(ExpectedPixel(pictures, board, x, y));
                EXPECT_EQ(FirstDifference(target.Pixels(), expected, width), "")
                    << pictures.name << ", " << board.name << (direct ? ", through the bits" : ", per pixel");
            }
    }
    SetBevelMeans(BevelMeans::Automatic);
}

}  // namespace
