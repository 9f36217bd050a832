// The two ways ScaleByArea works out its sums, for its choice between them
// and for the tests that hold them to the same pixels. No Windows header.
#pragma once

#include <cstdint>

#include "render/pixel_rows.h"

// The plain way: any sizes, any processor. The contract of ScaleByArea.
int32_t ScaleByAreaPlain(const PixelRows& source, const PixelRows& target);

// Whether the SSE2 way takes these sizes on this processor: it has SSE2,
// the source has at most 2^24 pixels and a target pixel's whole source
// pixels fit 16-bit sums.
bool Sse2WayTakes(const PixelRows& source, const PixelRows& target);

// The SSE2 way, only where Sse2WayTakes: the same pixels as the plain way.
int32_t ScaleByAreaSse2(const PixelRows& source, const PixelRows& target);

// The division of a target pixel's sum by the source's area (less the bits
// the plain way drops past 2^24 source pixels) as a multiplication: its
// value is (sum + half) * multiplier / 2^(32 + shift). The multiplier falls
// a little short of the exact reciprocal, so half is rounded up: whole
// quotients stay exact, the others round to nearest and an exact half
// rounds down.
struct AreaDivisor {
    uint32_t half;
    uint32_t multiplier;  // in [2^31, 2^32)
    uint32_t shift;
};

AreaDivisor AreaDivisorOf(uint32_t sourceWidth, uint32_t sourceHeight, uint32_t droppedBits);
