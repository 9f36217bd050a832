// Area-weighted resampling in two passes: each source row a target row needs
// is resampled across to the target's width, then those rows are summed down
// with their weights. The spans of both axes are worked out once.
#include "render/area_scale.h"

#include <cstdlib>

namespace {

constexpr int32_t CHANNELS = 3;        // B, G, R
constexpr uint32_t SUM_BITS = 24;      // 255 * 2^24 still fits in 32 bits

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

// A fixed divisor as a multiplier: DivideRounded gives n / divisor rounded to
// nearest, or smaller by a few parts in 2^32 of the quotient.
struct Divisor {
    uint32_t half;
    uint32_t multiplier;  // (2^(32 + shift) - 1) / divisor, in [2^31, 2^32)
    uint32_t shift;       // 2^shift <= divisor < 2^(shift + 1)
};

Divisor DivisorOf(uint32_t divisor) {
    uint32_t shift = 0;
    while ((2u << shift) <= divisor)
        ++shift;
    const uint64_t multiplier = ((uint64_t{1} << (32 + shift)) - 1) / divisor;
    return Divisor{divisor / 2, static_cast<uint32_t>(multiplier), shift};
}

uint32_t DivideRounded(uint32_t n, const Divisor& divisor) {
    const uint64_t product = static_cast<uint64_t>(n + divisor.half) * divisor.multiplier;
    return static_cast<uint32_t>(product >> 32) >> divisor.shift;
}

// Fraction bits of the rows resampled across, as many as keep every sum
// within 32 bits: a row's value is at most 255 * 2^bits, summed down over
// sourceHeight units, and its sum across before the division is at most
// 255 * sourceWidth, shifted by bits.
uint32_t FractionBits(uint32_t sourceWidth, uint32_t sourceHeight) {
    const uint32_t longer = sourceWidth > sourceHeight ? sourceWidth : sourceHeight;
    uint32_t bits = 0;
    while ((uint32_t{1} << bits) < longer)
        ++bits;
    return SUM_BITS - bits;
}

struct Across {
    const Span* spans;
    int32_t width;        // the target's
    uint32_t wholeWeight; // units of a source pixel covered whole
    uint32_t fractionBits;
    Divisor divisor;      // the source's width
};

// One source row resampled to the target's width: per target pixel and
// channel the covered mean times 2^fractionBits. Pixels covered whole are
// summed with plain adds, the two partial ones weighted.
template <int32_t BYTES>
void ResampleAcross(const uint8_t* row, const Across& across, uint32_t* out) {
    for (int32_t x = 0; x < across.width; ++x, out += CHANNELS) {
        const Span& span = across.spans[x];
        const uint8_t* first = row + span.first * BYTES;
        const uint8_t* last = row + span.last * BYTES;
        uint32_t whole[CHANNELS] = {0, 0, 0};
        for (const uint8_t* pixel = first + BYTES; pixel < last; pixel += BYTES) {
            whole[0] += pixel[0];
            whole[1] += pixel[1];
            whole[2] += pixel[2];
        }
        for (int32_t c = 0; c < CHANNELS; ++c) {
            const uint32_t sum = span.firstWeight * first[c] + across.wholeWeight * whole[c] +
                                 span.lastWeight * last[c];
            out[c] = DivideRounded(sum << across.fractionBits, across.divisor);
        }
    }
}

void AddWeighted(uint32_t* sums, const uint32_t* row, uint32_t weight, int32_t count) {
    for (int32_t i = 0; i < count; ++i)
        sums[i] += weight * row[i];
}

void WritePixels(uint8_t* out, const uint32_t* sums, int32_t width, const Divisor& divisor) {
    for (int32_t x = 0; x < width; ++x, out += 4, sums += CHANNELS) {
        out[0] = static_cast<uint8_t>(DivideRounded(sums[0], divisor));
        out[1] = static_cast<uint8_t>(DivideRounded(sums[1], divisor));
        out[2] = static_cast<uint8_t>(DivideRounded(sums[2], divisor));
        out[3] = 0;
    }
}

}  // namespace

int32_t ScaleByArea(const PixelRows& source, const PixelRows& target) {
    const uint32_t sourceWidth = static_cast<uint32_t>(source.width);
    const uint32_t sourceHeight = static_cast<uint32_t>(source.height);
    const int32_t values = target.width * CHANNELS;
    // One zero-filled block: the spans across and down, one source row
    // resampled across and the weighted sums of a target row.
    const size_t spanCount = static_cast<size_t>(target.width) + static_cast<size_t>(target.height);
    void* block = std::calloc(1, spanCount * sizeof(Span) + 2 * static_cast<size_t>(values) * sizeof(uint32_t));
    if (!block)
        return 0;
    Span* spansAcross = static_cast<Span*>(block);
    Span* spansDown = spansAcross + target.width;
    uint32_t* row = reinterpret_cast<uint32_t*>(spansDown + target.height);
    uint32_t* sums = row + values;
    FillSpans(spansAcross, sourceWidth, static_cast<uint32_t>(target.width));
    FillSpans(spansDown, sourceHeight, static_cast<uint32_t>(target.height));

    const uint32_t fractionBits = FractionBits(sourceWidth, sourceHeight);
    const Across across{spansAcross, target.width, static_cast<uint32_t>(target.width), fractionBits,
                        DivisorOf(sourceWidth)};
    const Divisor down = DivisorOf(sourceHeight << fractionBits);
    const uint32_t wholeWeightDown = static_cast<uint32_t>(target.height);
    int32_t rowResampled = -1;  // the source row in row: the last of one target row is often the next one's first
    for (int32_t y = 0; y < target.height; ++y) {
        const Span& span = spansDown[y];
        for (int32_t r = span.first; r <= span.last; ++r) {
            if (r != rowResampled) {
                if (source.bytesPerPixel == 3)
                    ResampleAcross<3>(source.Row(r), across, row);
                else
                    ResampleAcross<4>(source.Row(r), across, row);
                rowResampled = r;
            }
            const uint32_t weight = r == span.first  ? span.firstWeight
                                    : r == span.last ? span.lastWeight
                                                     : wholeWeightDown;
            if (r == span.first)
                for (int32_t i = 0; i < values; ++i)
                    sums[i] = 0;
            AddWeighted(sums, row, weight, values);
        }
        WritePixels(target.Row(y), sums, target.width, down);
    }
    std::free(block);
    return 1;
}
