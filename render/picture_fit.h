// The size a picture is shown at: its own size at the display's scale,
// capped by the largest client area whose window fits the work area.
// No Windows header: it builds natively and for Windows.
#pragma once

#include <cstdint>

// The dots per inch of a display at 100% scaling, where a picture is shown
// at its own size.
constexpr int32_t UNSCALED_DPI = 96;

struct ShownSize {
    int32_t width;
    int32_t height;
};

// The size a picture of width x height (after orientation) is shown at on a
// display of dpi dots per inch (96 = 100%): its size times dpi/96, capped so
// that it fits maxWidth x maxHeight; one factor for both sides, proportions
// kept, each side rounded down, never below minimumSide pixels. At 96 dpi a
// picture that fits comes back exactly, and the side that binds the cap comes
// out exactly at its limit.
// Nonsense inputs: a dpi of 0 or less counts as 96, a minimumSide below 1 as
// 1, and a limit below minimumSide as minimumSide; a picture side below 1
// comes out as minimumSide.
ShownSize FitPicture(int32_t width, int32_t height, int32_t dpi, int32_t maxWidth, int32_t maxHeight,
                     int32_t minimumSide);
