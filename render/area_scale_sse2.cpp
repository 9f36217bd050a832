// The SSE2 way of the area resampler: the sums of the plain way
// (area_scale.cpp) worked out in 128-bit registers, so the same pixels,
// faster. Chosen at run time (Sse2WayTakes).
//
// Along an axis a source pixel is T units long (T the target's size) and the
// boundary k between target pixels lies at k * S units (S the source's
// size), e(k) units into source pixel i(k). Target pixel j's sum over a row
// V with prefix sums P is T * (P[i(j + 1)] - P[i(j)]) + e(j + 1) *
// V[i(j + 1)] - e(j) * V[i(j)]: its pixels from i(j) on counted whole, the
// one its right boundary cuts in part, less the part of the one its left
// boundary cuts that the pixel before took. Down, a target row counts its
// source rows whole (Ty units each) but the last, R, which its lower
// boundary cuts with u units below it: the row takes Ty * W - u * R (W all
// its rows) and the row below takes u * R back. Rows are summed in 16-bit
// lanes (B, G, R and one left over) and weighed in 32 bits that wrap: only
// the final sums must fit, as they do in the plain way.
#include "render/area_scale_paths.h"

#include <cstdlib>
#include <cstring>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#include <emmintrin.h>

namespace {

bool ProcessorHasSse2() {
    unsigned int a, b, c, d;
    return __get_cpuid(1, &a, &b, &c, &d) && (d & bit_SSE2);
}

}  // namespace

bool Sse2WayTakes(const PixelRows& source, const PixelRows& target) {
    // Sums of up to 255 * 2^24 stay within 32 bits with the rounding's half
    // added, as in the plain way; up to 257 whole pixels of 255 fit 16 bits.
    const uint64_t area = uint64_t{static_cast<uint32_t>(source.width)} * static_cast<uint32_t>(source.height);
    const uint32_t across = (source.width + target.width - 1) / target.width;
    const uint32_t down = (source.height + target.height - 1) / target.height;
    return area <= uint64_t{1} << 24 && uint64_t{across} * down <= 257 && ProcessorHasSse2();
}

#pragma GCC target("sse2")

namespace {

__m128i Load(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

void Store(void* p, __m128i v) {
    _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

// The four bytes at p in 16-bit lanes.
__m128i Lanes4(const uint8_t* p) {
    uint32_t word;
    std::memcpy(&word, p, 4);
    return _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(word)), _mm_setzero_si128());
}

// The sixteen bytes at p summed down rows rows, step bytes apart, into
// 16-bit lanes: the low eight and the high eight.
void SumDown(const uint8_t* p, intptr_t step, int32_t rows, __m128i* low, __m128i* high) {
    const __m128i zero = _mm_setzero_si128();
    __m128i lo = zero, hi = zero;
    for (int32_t r = 0; r < rows; ++r, p += step) {
        const __m128i v = Load(p);
        lo = _mm_add_epi16(lo, _mm_unpacklo_epi8(v, zero));
        hi = _mm_add_epi16(hi, _mm_unpackhi_epi8(v, zero));
    }
    *low = lo;
    *high = hi;
}

// The rows a target row sums: `count` rows from `first`, `step` bytes apart
// (none when the target row lies within one source row), and the last one.
struct RowSpan {
    const uint8_t* first;
    intptr_t step;
    int32_t count;
    const uint8_t* last;
};

// prefix[x] for x = 1..width: the sums across up to column x of the span's
// rows (lanes 0..3) and of its last row (lanes 4..7); prefix[0] is zero.
void PrefixSums4(const RowSpan& span, int32_t width, __m128i* prefix) {
    const __m128i zero = _mm_setzero_si128();
    __m128i sum = zero;
    Store(prefix, zero);
    int32_t x = 0;
    for (; x + 4 <= width; x += 4) {  // four pixels at a time
        __m128i lo, hi;
        SumDown(span.first + 4 * x, span.step, span.count, &lo, &hi);
        const __m128i last = Load(span.last + 4 * x);
        const __m128i lastLo = _mm_unpacklo_epi8(last, zero), lastHi = _mm_unpackhi_epi8(last, zero);
        sum = _mm_add_epi16(sum, _mm_unpacklo_epi64(lo, lastLo));
        Store(prefix + x + 1, sum);
        sum = _mm_add_epi16(sum, _mm_unpackhi_epi64(lo, lastLo));
        Store(prefix + x + 2, sum);
        sum = _mm_add_epi16(sum, _mm_unpacklo_epi64(hi, lastHi));
        Store(prefix + x + 3, sum);
        sum = _mm_add_epi16(sum, _mm_unpackhi_epi64(hi, lastHi));
        Store(prefix + x + 4, sum);
    }
    for (; x < width; ++x) {
        __m128i rows = zero;
        const uint8_t* p = span.first + 4 * x;
        for (int32_t r = 0; r < span.count; ++r, p += span.step)
            rows = _mm_add_epi16(rows, Lanes4(p));
        sum = _mm_add_epi16(sum, _mm_unpacklo_epi64(rows, Lanes4(span.last + 4 * x)));
        Store(prefix + x + 1, sum);
    }
}

// The same for 3-byte pixels, through the span's sums down byte by byte
// (bytes[3 * width] and on are not read into used lanes). A 4-byte read at
// a pixel takes the next pixel's B too, into the lane left over; the last
// pixel of a row is read by its three bytes.
void PrefixSums3(const RowSpan& span, int32_t width, uint16_t* bytes, __m128i* prefix) {
    const int32_t rowBytes = 3 * width;
    int32_t b = 0;
    for (; b + 16 <= rowBytes; b += 16) {
        __m128i lo, hi;
        SumDown(span.first + b, span.step, span.count, &lo, &hi);
        Store(bytes + b, lo);
        Store(bytes + b + 8, hi);
    }
    for (; b < rowBytes; ++b) {
        uint32_t sum = 0;
        const uint8_t* p = span.first + b;
        for (int32_t r = 0; r < span.count; ++r, p += span.step)
            sum += *p;
        bytes[b] = static_cast<uint16_t>(sum);
    }
    __m128i sum = _mm_setzero_si128();
    Store(prefix, sum);
    for (int32_t x = 0; x < width; ++x) {
        const uint8_t* p = span.last + 3 * x;
        const __m128i last = x + 1 < width ? Lanes4(p) : _mm_setr_epi16(p[0], p[1], p[2], 0, 0, 0, 0, 0);
        const __m128i rows = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(bytes + 3 * x));
        sum = _mm_add_epi16(sum, _mm_unpacklo_epi64(rows, last));
        Store(prefix + x + 1, sum);
    }
}

// A boundary across: the 32-bit weight Ty * e of its cut column in the
// span's rows, by 16-bit halves in lanes 0..3 (lanes 4..7 zero), and e in
// lanes 4..7 (lanes 0..3 zero), for the weight u * e of the cut pixel of
// the last row.
struct Cut {
    __m128i rowsLow;
    __m128i rowsHigh;
    __m128i last;
};

// v * w, wrapping at 32 bits, for the 16-bit lanes v and the 32-bit weights
// w given by their 16-bit halves: lanes 0..3 and lanes 4..7.
void Multiply(__m128i v, __m128i wLow, __m128i wHigh, __m128i* low, __m128i* high) {
    const __m128i lo = _mm_mullo_epi16(v, wLow);
    const __m128i hi = _mm_add_epi16(_mm_mulhi_epu16(v, wLow), _mm_mullo_epi16(v, wHigh));
    *low = _mm_unpacklo_epi16(lo, hi);
    *high = _mm_unpackhi_epi16(lo, hi);
}

// The low (or high) 16-bit halves of a and b, each in four lanes.
__m128i Halves(uint32_t a, uint32_t b, bool high) {
    const short x = static_cast<short>(high ? a >> 16 : a & 0xFFFF);
    const short y = static_cast<short>(high ? b >> 16 : b & 0xFFFF);
    return _mm_setr_epi16(x, x, x, x, y, y, y, y);
}

struct Weights {
    __m128i wholeLow, wholeHigh;  // Tx * Ty for the span's rows, u * Tx for the last
    __m128i u;
    __m128i half, multiplier, shift;  // AreaDivisor's
};

// Where WriteRow fetches the next target row's source rows from, a step
// further at each pixel.
struct Ahead {
    const char* bytes;
    intptr_t step;
};

// The parts of the one block ScaleByAreaSse2 allocates.
struct Blocks {
    __m128i* prefix;   // source width + 2, the last zero
    Cut* cuts;         // target width + 1
    __m128i* carried;  // target width
    int32_t* columns;  // target width + 1
    uint16_t* bytes;   // 3 * source width + 8
};

// One target row from the prefix sums. carried[j] holds, per channel, what
// the row above took off pixel j for this one (u * R), and gets this row's.
void WriteRow(const Blocks& b, int32_t width, const Weights& w, Ahead ahead, uint8_t* out) {
    const __m128i* const prefix = b.prefix;
    const int32_t* const columns = b.columns;
    const Cut* const cuts = b.cuts;
    __m128i* const carried = b.carried;
    __m128i before = _mm_setzero_si128(), cutBefore = before, lastCutBefore = before;
    for (int32_t j = 0; j < width; ++j, ahead.bytes += ahead.step) {
        _mm_prefetch(ahead.bytes, _MM_HINT_T0);
        const int32_t i = columns[j + 1];
        const __m128i upToCut = Load(prefix + i);
        const __m128i whole = _mm_sub_epi16(upToCut, before);
        const __m128i cutColumn = _mm_sub_epi16(Load(prefix + i + 1), upToCut);
        before = upToCut;
        __m128i rowsWhole, lastWhole, rowsCut, lastCut;
        Multiply(whole, w.wholeLow, w.wholeHigh, &rowsWhole, &lastWhole);
        const Cut& cut = cuts[j + 1];
        Multiply(cutColumn, _mm_or_si128(cut.rowsLow, _mm_mullo_epi16(cut.last, w.u)),
                 _mm_or_si128(cut.rowsHigh, _mm_mulhi_epu16(cut.last, w.u)), &rowsCut, &lastCut);
        const __m128i cutPart = _mm_sub_epi32(rowsCut, lastCut);
        const __m128i sum = _mm_add_epi32(_mm_sub_epi32(_mm_sub_epi32(rowsWhole, lastWhole), cutBefore),
                                          _mm_add_epi32(cutPart, carried[j]));
        carried[j] = _mm_sub_epi32(_mm_add_epi32(lastWhole, lastCut), lastCutBefore);
        cutBefore = cutPart;
        lastCutBefore = lastCut;
        // (sum + half) * multiplier >> (32 + shift), lanes 0, 2 and 1, 3 apart
        const __m128i rounded = _mm_add_epi32(sum, w.half);
        const __m128i even = _mm_srl_epi64(_mm_mul_epu32(rounded, w.multiplier), w.shift);
        const __m128i odd = _mm_srl_epi64(_mm_mul_epu32(_mm_srli_epi64(rounded, 32), w.multiplier), w.shift);
        __m128i values = _mm_or_si128(even, _mm_slli_epi64(odd, 32));
        values = _mm_packs_epi32(values, values);
        values = _mm_packus_epi16(values, values);
        const uint32_t pixel = static_cast<uint32_t>(_mm_cvtsi128_si32(values)) & 0x00FFFFFF;
        std::memcpy(out + 4 * j, &pixel, 4);
    }
}

size_t BlocksSize(int32_t sourceWidth, int32_t targetWidth) {
    return 16 + (sourceWidth + 2) * sizeof(__m128i) + (targetWidth + 1) * sizeof(Cut) +
           targetWidth * sizeof(__m128i) + (targetWidth + 1) * sizeof(int32_t) + (3 * sourceWidth + 8) * 2;
}

Blocks BlocksIn(void* block, int32_t sourceWidth, int32_t targetWidth) {
    uint8_t* base = static_cast<uint8_t*>(block);
    base += (16 - reinterpret_cast<uintptr_t>(base) % 16) % 16;
    Blocks b;
    b.prefix = reinterpret_cast<__m128i*>(base);
    b.cuts = reinterpret_cast<Cut*>(b.prefix + sourceWidth + 2);
    b.carried = reinterpret_cast<__m128i*>(b.cuts + targetWidth + 1);
    b.columns = reinterpret_cast<int32_t*>(b.carried + targetWidth);
    b.bytes = reinterpret_cast<uint16_t*>(b.columns + targetWidth + 1);
    return b;
}

void FillCuts(const Blocks& b, uint32_t sourceWidth, uint32_t targetWidth, uint32_t targetHeight) {
    for (uint32_t k = 0; k <= targetWidth; ++k) {
        const uint32_t position = k * sourceWidth;
        const uint32_t column = position / targetWidth;  // the right edge's is one past the last, cut by 0
        const uint32_t e = position - column * targetWidth;
        b.columns[k] = static_cast<int32_t>(column);
        b.cuts[k] = {Halves(targetHeight * e, 0, false), Halves(targetHeight * e, 0, true), Halves(0, e, false)};
    }
}

// The next target row's source rows, from..to, as one range (rows lie side
// by side), spread over `steps` steps; none, the row at hand's last.
Ahead NextRows(const PixelRows& source, int32_t from, int32_t to, int32_t steps) {
    if (to < from)
        return {reinterpret_cast<const char*>(source.Row(from - 1)), 0};
    const uint8_t* a = source.Row(from);
    const uint8_t* b = source.Row(to);
    const intptr_t bytes = (a < b ? b - a : a - b) + (source.rowStep < 0 ? -source.rowStep : source.rowStep);
    return {reinterpret_cast<const char*>(a < b ? a : b), (bytes + steps - 1) / steps};
}

// The source row that holds the last unit above the boundary k down.
int32_t RowAbove(uint32_t k, uint32_t sourceHeight, uint32_t targetHeight) {
    return static_cast<int32_t>((k * sourceHeight - 1) / targetHeight);
}

void SumRows(const PixelRows& source, int32_t from, int32_t last, const Blocks& b) {
    // from > last when the target row lies within one source row: no rows
    const RowSpan span = {source.Row(from <= last ? from : last), source.rowStep, last + 1 - from,
                          source.Row(last)};
    if (source.bytesPerPixel == 3)
        PrefixSums3(span, source.width, b.bytes, b.prefix);
    else
        PrefixSums4(span, source.width, b.prefix);
}

Weights DivisionBy(const AreaDivisor& divisor) {
    Weights w;
    w.half = _mm_set1_epi32(static_cast<int>(divisor.half));
    w.multiplier = _mm_set1_epi32(static_cast<int>(divisor.multiplier));
    w.shift = _mm_cvtsi32_si128(static_cast<int>(32 + divisor.shift));
    return w;
}

void SetRowWeights(Weights* w, uint32_t targetWidth, uint32_t targetHeight, uint32_t u) {
    w->wholeLow = Halves(targetWidth * targetHeight, u * targetWidth, false);
    w->wholeHigh = Halves(targetWidth * targetHeight, u * targetWidth, true);
    w->u = _mm_set1_epi16(static_cast<short>(u));
}

}  // namespace

#if defined(__i386__)
__attribute__((force_align_arg_pointer))  // the 32-bit stack is aligned to 4 bytes only
#endif
int32_t ScaleByAreaSse2(const PixelRows& source, const PixelRows& target) {
    const uint32_t sh = static_cast<uint32_t>(source.height);
    const uint32_t tw = static_cast<uint32_t>(target.width), th = static_cast<uint32_t>(target.height);
    void* block = std::calloc(1, BlocksSize(source.width, target.width));
    if (!block)
        return 0;
    const Blocks b = BlocksIn(block, source.width, target.width);
    FillCuts(b, static_cast<uint32_t>(source.width), tw, th);
    Weights w = DivisionBy(AreaDivisorOf(static_cast<uint32_t>(source.width), sh, 0));
    int32_t summed = -1;  // the source rows summed so far
    for (uint32_t y = 0; y < th; ++y) {
        const int32_t last = RowAbove(y + 1, sh, th);
        SumRows(source, summed + 1, last, b);
        summed = last;
        SetRowWeights(&w, tw, th, (last + 1) * th - (y + 1) * sh);
        const int32_t nextLast = y + 1 < th ? RowAbove(y + 2, sh, th) : last;
        WriteRow(b, target.width, w, NextRows(source, last + 1, nextLast, target.width), target.Row(y));
    }
    std::free(block);
    return 1;
}

#else

bool Sse2WayTakes(const PixelRows&, const PixelRows&) {
    return false;
}

int32_t ScaleByAreaSse2(const PixelRows& source, const PixelRows& target) {
    return ScaleByAreaPlain(source, target);
}

#endif
