// Area-weighted resampling, the plain way, in two passes: each source row
// that a target row covers is resampled across to the target's width, then
// those rows are summed down with their weights and divided by the source's
// area. The spans of both axes are worked out once; all sums are 32-bit
// integers.
#include "render/area_scale.h"

#include <cstdlib>

namespace {

constexpr int32_t CHANNELS = 3;  // B, G, R

// Along one axis a source pixel is targetSize units long and a target pixel
// sourceSize units. A target pixel covers source pixel first by firstWeight
// units, those between by targetSize units each and last by lastWeight
// units (0 when last is first).
struct Span {
    int32_t first;
    int32_t last;
    uint32_t firstWeight;
    uint32_t lastWeight;
};

void FillSpans(Span* spans, uint32_t sourceSize, uint32_t targetSize) {
    for (uint32_t i = 0; i < targetSize; ++i) {
        const uint32_t start = i * sourceSize;  // at most 65535 * 65535: within 32 bits
        const uint32_t end = start + sourceSize;
        const uint32_t first = start / targetSize;
        const uint32_t last = (end - 1) / targetSize;
        spans[i].first = static_cast<int32_t>(first);
        spans[i].last = static_cast<int32_t>(last);
        spans[i].firstWeight = first == last ? sourceSize : (first + 1) * targetSize - start;
        spans[i].lastWeight = first == last ? 0 : end - last * targetSize;
    }
}

// Bits dropped from a row's sums across so that the sums down stay within
// 32 bits: the fewest for which 256 * width * height <= 2^(32 + bits) (none
// up to 16 megapixels). A sum across is at most 255 * width, summed down
// over height units; a dropped bit costs less than 1/256 of a value.
uint32_t DroppedBits(uint32_t sourceWidth, uint32_t sourceHeight) {
    const uint64_t largest = uint64_t{256} * sourceWidth * sourceHeight;
    uint32_t bits = 0;
    while (largest > (uint64_t{1} << (32 + bits)))
        ++bits;
    return bits;
}

// The division of a target pixel's sum by the source's area (less the bits
// the sums drop past 2^24 source pixels) as a multiplication: its
// value is (sum + half) * multiplier / 2^(32 + shift). The multiplier falls
// a little short of the exact reciprocal, so half is rounded up: whole
// quotients stay exact, the others round to nearest and an exact half
// rounds down.
struct AreaDivisor {
    uint32_t half;
    uint32_t multiplier;  // in [2^31, 2^32)
    uint32_t shift;
};

AreaDivisor AreaDivisorOf(uint32_t sourceWidth, uint32_t sourceHeight, uint32_t droppedBits) {
    const uint64_t area = uint64_t{sourceWidth} * sourceHeight;  // below 2^32
    uint32_t bits = 0;                                           // 2^bits <= area < 2^(bits + 1)
    while ((uint64_t{2} << bits) <= area)
        ++bits;
    const uint64_t multiplier = ((uint64_t{1} << (32 + bits)) - 1) / area;
    return AreaDivisor{static_cast<uint32_t>(((area >> droppedBits) + 1) / 2), static_cast<uint32_t>(multiplier),
                       bits - droppedBits};
}

uint8_t PixelValue(uint32_t sum, const AreaDivisor& divisor) {
    const uint64_t product = static_cast<uint64_t>(sum + divisor.half) * divisor.multiplier;
    return static_cast<uint8_t>(static_cast<uint32_t>(product >> 32) >> divisor.shift);
}

struct Across {
    const Span* spans;
    int32_t width;         // the target's
    uint32_t wholeWeight;  // units of a source pixel covered whole: the target's width
    uint32_t droppedBits;
};

// One source row resampled to the target's width: per target pixel and
// channel the sum of the covered values times their units, less the dropped
// bits (rounded). Pixels covered whole are summed with plain adds, the two
// partial ones weighted.
template <int32_t BYTES>
void ResampleAcross(const uint8_t* row, const Across& across, uint32_t* out) {
    const Span* span = across.spans;
    const Span* const spansEnd = span + across.width;
    const uint32_t wholeWeight = across.wholeWeight;
    const uint32_t droppedBits = across.droppedBits;
    const uint32_t half = uint32_t{1} << droppedBits >> 1;
    for (; span < spansEnd; ++span, out += CHANNELS) {
        const uint8_t* first = row + span->first * BYTES;
        const uint8_t* last = row + span->last * BYTES;
        uint32_t b = 0, g = 0, r = 0;
        for (const uint8_t* pixel = first + BYTES; pixel < last; pixel += BYTES) {
            b += pixel[0];
            g += pixel[1];
            r += pixel[2];
        }
        const uint32_t firstWeight = span->firstWeight, lastWeight = span->lastWeight;
        out[0] = (firstWeight * first[0] + wholeWeight * b + lastWeight * last[0] + half) >> droppedBits;
        out[1] = (firstWeight * first[1] + wholeWeight * g + lastWeight * last[1] + half) >> droppedBits;
        out[2] = (firstWeight * first[2] + wholeWeight * r + lastWeight * last[2] + half) >> droppedBits;
    }
}

void SetWeighted(uint32_t* sums, const uint32_t* row, uint32_t weight, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        sums[i] = weight * row[i];
}

void AddWeighted(uint32_t* sums, const uint32_t* row, uint32_t weight, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        sums[i] += weight * row[i];
}

void WritePixels(uint8_t* out, const uint32_t* sums, int32_t width, const AreaDivisor& divisor) {
    for (int32_t x = 0; x < width; ++x, out += 4, sums += CHANNELS) {
        out[0] = PixelValue(sums[0], divisor);
        out[1] = PixelValue(sums[1], divisor);
        out[2] = PixelValue(sums[2], divisor);
        out[3] = 0;
    }
}

void ResampleRow(const PixelRows& source, int32_t y, const Across& across, uint32_t* out) {
    if (source.bytesPerPixel == 3)
        ResampleAcross<3>(source.Row(y), across, out);
    else
        ResampleAcross<4>(source.Row(y), across, out);
}

// The weighted sums of the source rows that a target row covers (span),
// each row resampled across into row unless it is there already: the last
// row of one target row is often the first of the next.
void SumDown(const PixelRows& source, const Across& across, const Span& span, uint32_t wholeWeight, uint32_t* row,
             int32_t* rowResampled, uint32_t* sums) {
    const int32_t values = across.width * CHANNELS;
    for (int32_t y = span.first; y <= span.last; ++y) {
        if (y != *rowResampled)
            ResampleRow(source, y, across, row);
        *rowResampled = y;
        if (y == span.first)
            SetWeighted(sums, row, span.firstWeight, values);
        else
            AddWeighted(sums, row, y == span.last ? span.lastWeight : wholeWeight, values);
    }
}

}  // namespace

int32_t ScaleByArea(const PixelRows& source, const PixelRows& target) {
    const uint32_t sourceWidth = static_cast<uint32_t>(source.width);
    const uint32_t sourceHeight = static_cast<uint32_t>(source.height);
    const size_t values = static_cast<size_t>(target.width) * CHANNELS;
    // One block: the spans across and down, one source row resampled across
    // and the weighted sums of a target row.
    const size_t spans = static_cast<size_t>(target.width) + static_cast<size_t>(target.height);
    void* block = std::calloc(1, spans * sizeof(Span) + 2 * values * sizeof(uint32_t));
    if (!block)
        return 0;
    Span* spansAcross = static_cast<Span*>(block);
    Span* spansDown = spansAcross + target.width;
    uint32_t* row = reinterpret_cast<uint32_t*>(spansDown + target.height);
    uint32_t* sums = row + values;
    FillSpans(spansAcross, sourceWidth, static_cast<uint32_t>(target.width));
    FillSpans(spansDown, sourceHeight, static_cast<uint32_t>(target.height));

    const uint32_t droppedBits = DroppedBits(sourceWidth, sourceHeight);
    const Across across{spansAcross, target.width, static_cast<uint32_t>(target.width), droppedBits};
    const AreaDivisor divisor = AreaDivisorOf(sourceWidth, sourceHeight, droppedBits);
    int32_t rowResampled = -1;
    for (int32_t y = 0; y < target.height; ++y) {
        SumDown(source, across, spansDown[y], static_cast<uint32_t>(target.height), row, &rowResampled, sums);
        WritePixels(target.Row(y), sums, target.width, divisor);
    }
    std::free(block);
    return 1;
}
