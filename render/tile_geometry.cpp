// Cell geometry, bevel colours and slide positions.
#include "render/tile_geometry.h"

namespace {

constexpr int32_t CHANNEL_MAX = 255;

int32_t Smaller(int32_t a, int32_t b) {
    return a < b ? a : b;
}

uint8_t Channel(uint32_t colour, int shift) {
    return static_cast<uint8_t>((colour >> shift) & 0xFF);
}

uint32_t Colour(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 | static_cast<uint32_t>(blue) << 16;
}

}  // namespace

CellSize CellSizeFor(int32_t pictureWidth, int32_t pictureHeight, int32_t gridSize) {
    return CellSize{pictureWidth / gridSize, pictureHeight / gridSize};
}

PixelPoint CellOrigin(int32_t row, int32_t column, CellSize cell) {
    return PixelPoint{column * cell.width, row * cell.height};
}

PixelPoint TileSourceOrigin(int32_t tile, int32_t gridSize, CellSize cell) {
    return CellOrigin(tile / gridSize, tile % gridSize, cell);
}

uint8_t LightenChannel(uint8_t value) {
    const int32_t raised = value + BEVEL_STEP;
    return static_cast<uint8_t>(raised > CHANNEL_MAX ? CHANNEL_MAX : raised);
}

uint8_t DarkenChannel(uint8_t value) {
    const int32_t lowered = value - BEVEL_STEP;
    return static_cast<uint8_t>(lowered <= 0 ? 0 : lowered);
}

uint32_t LightenColour(uint32_t colour) {
    return Colour(LightenChannel(Channel(colour, 0)), LightenChannel(Channel(colour, 8)),
                  LightenChannel(Channel(colour, 16)));
}

uint32_t DarkenColour(uint32_t colour) {
    return Colour(DarkenChannel(Channel(colour, 0)), DarkenChannel(Channel(colour, 8)),
                  DarkenChannel(Channel(colour, 16)));
}

int32_t FrameOffset(int32_t frame, int32_t distance) {
    return frame * distance / SLIDE_FRAMES;  // C++ division truncates toward zero
}

PixelRect SlideRectangle(int32_t fromColumn, int32_t fromRow, int32_t toColumn, int32_t toRow, CellSize cell) {
    const PixelPoint corner = CellOrigin(Smaller(fromRow, toRow), Smaller(fromColumn, toColumn), cell);
    const int32_t columns = fromColumn + toColumn - 2 * Smaller(fromColumn, toColumn) + 1;
    const int32_t rows = fromRow + toRow - 2 * Smaller(fromRow, toRow) + 1;
    return PixelRect{corner.x, corner.y, columns * cell.width, rows * cell.height};
}
