// The resampling of a picture to another size by area: each new pixel is the
// mean of the source pixels it covers, each weighted by the share of it that
// is covered, on the stored channel values. No Windows header.
#pragma once

#include <cstdint>

#include "render/pixel_rows.h"

// Fills target (4 bytes a pixel, the fourth written 0) with source
// resampled to target's size: per channel B, G, R, the mean of the source
// pixels a target pixel covers, weighted by the covered area, rounded to
// nearest (within 1/200 of the exact mean before rounding, so a flat colour
// stays exact and equal sizes copy exactly). Reduces and enlarges, each axis
// on its own. source has 3 or 4 bytes a pixel; every side is 1 to 65535
// pixels. 0 when a buffer it needs cannot be allocated, else 1.
int32_t ScaleByArea(const PixelRows& source, const PixelRows& target);
