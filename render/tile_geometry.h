// The arithmetic of the board's pixels, without any Windows header: cell
// size, where a tile is cut from the picture, the bevel's colour rules and the
// positions of the slide animation.
#pragma once

#include <cstdint>

constexpr int32_t BEVEL_STEP = 20;    // how much an edge is lightened or darkened
constexpr int32_t SLIDE_FRAMES = 10;  // frames of one slide

struct CellSize {
    int32_t width;
    int32_t height;
};

struct PixelPoint {
    int32_t x;
    int32_t y;
};

struct PixelRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};

// (picture width / N) by (picture height / N), integer divisions.
CellSize CellSizeFor(int32_t pictureWidth, int32_t pictureHeight, int32_t gridSize);

// Top-left corner of cell (row, column) on the canvas.
PixelPoint CellOrigin(int32_t row, int32_t column, CellSize cell);

// Top-left corner of tile's rectangle in the source picture: its home cell.
PixelPoint TileSourceOrigin(int32_t tile, int32_t gridSize, CellSize cell);

// One channel (0 to 255) raised or lowered by BEVEL_STEP, kept within 0..255.
uint8_t LightenChannel(uint8_t value);
uint8_t DarkenChannel(uint8_t value);

// The same rules on a colour value (red in bits 0-7, green 8-15, blue 16-23);
// the result's top byte is 0.
uint32_t LightenColour(uint32_t colour);
uint32_t DarkenColour(uint32_t colour);

// Distance covered after frame k of SLIDE_FRAMES by a slide of distance
// pixels: (k * distance) / 10, truncated toward zero.
int32_t FrameOffset(int32_t frame, int32_t distance);

// The cells that a slide covers: from the from-cell to the to-cell, which lie
// in one row or one column, both included.
PixelRect SlideRectangle(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow, CellSize cell);
