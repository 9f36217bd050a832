// The turning of a picture stored with an EXIF orientation upright.
// No Windows header: it builds natively and for Windows.
#pragma once

#include <cstdint>

#include "render/pixel_rows.h"

// Writes source turned upright per EXIF orientation (1 to 8) into target,
// whose width and height are the upright ones (swapped for 5 to 8). 4 bytes a
// pixel on both sides. The orientation names where the stored picture's 0th
// row and 0th column are shown: 1 top and left, 2 top and right, 3 bottom and
// right, 4 bottom and left, 5 left and top, 6 right and top, 7 right and
// bottom, 8 left and bottom. Another orientation counts as 1. An empty
// source, a target of other sizes or another pixel size is left untouched.
void OrientUpright(const PixelRows& source, const PixelRows& target, int32_t orientation);

// Whether the upright picture's width is the stored one's height (5 to 8).
bool TurnsSideways(int32_t orientation);
