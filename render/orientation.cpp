// The turning of a stored picture upright, pixel by pixel.
#include "render/orientation.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int32_t PIXEL_SIZE = 4;
constexpr int32_t BAND_ROWS = 8;

// Where the upright picture's top-left pixel lies in the stored one, and
// whether its rows run along the stored picture's columns.
struct Turn {
    bool fromRight;
    bool fromBottom;
    bool transposed;
};

// Orientations 1 to 8.
constexpr Turn TURNS[] = {{false, false, false}, {true, false, false}, {true, true, false}, {false, true, false},
                          {false, false, true},  {false, true, true},  {true, true, true},  {true, false, true}};

Turn TurnOf(int32_t orientation) {
    return TURNS[(orientation >= 1 && orientation <= 8 ? orientation : 1) - 1];
}

}  // namespace

bool TurnsSideways(int32_t orientation) {
    return TurnOf(orientation).transposed;
}

void OrientUpright(const PixelRows& source, const PixelRows& target, int32_t orientation) {
    const Turn turn = TurnOf(orientation);
    if (source.width < 1 || source.height < 1 || source.bytesPerPixel != PIXEL_SIZE ||
        target.bytesPerPixel != PIXEL_SIZE || target.width != (turn.transposed ? source.height : source.width) ||
        target.height != (turn.transposed ? source.width : source.height))
        return;
    // Steps in the stored picture for a step right and a step down in the upright one.
    const intptr_t alongRow = turn.fromRight ? -PIXEL_SIZE : PIXEL_SIZE;
    const intptr_t downColumn = turn.fromBottom ? -intptr_t{source.rowStep} : source.rowStep;
    const intptr_t rightStep = turn.transposed ? downColumn : alongRow;
    const intptr_t downStep = turn.transposed ? alongRow : downColumn;
    const uint8_t* corner = source.Row(turn.fromBottom ? source.height - 1 : 0) +
                            (turn.fromRight ? source.width - 1 : 0) * PIXEL_SIZE;
    // Bands of a few rows, filled column by column: a turned picture's rows
    // read the stored columns, and a band reads each stored row's pixels in
    // one run instead of one cache line a pixel.
    for (int32_t top = 0; top < target.height; top += BAND_ROWS) {
        const int32_t bottom = std::min(top + BAND_ROWS, target.height);
        for (int32_t x = 0; x < target.width; ++x)
            for (int32_t y = top; y < bottom; ++y)
                std::memcpy(target.Row(y) + x * PIXEL_SIZE, corner + y * downStep + x * rightStep, PIXEL_SIZE);
    }
}
