// The speed of ScaleByArea: a 4000 x 3000 picture reduced to 1274 x 955,
// from a 24-bit bottom-up and a 32-bit top-down source, against a memcpy of
// its 32-bit pixels; and a 637 x 491 picture enlarged to 955 x 736. Each
// figure is the best of five warm rounds. Needs no display.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/milliseconds.h"
#include "render/area_scale.h"

namespace {

constexpr int ROUNDS = 5;
constexpr int WORKS = 5;

// The best of five rounds of each work, after one round to warm the caches
// and the pages; the works take turns within a round, so that other work on
// the machine weighs alike on all of them.
void BestMilliseconds(void (*const works[WORKS])(), double best[WORKS]) {
    for (int w = 0; w < WORKS; ++w) {
        works[w]();
        best[w] = 1e30;
    }
    for (int round = 0; round < ROUNDS; ++round)
        for (int w = 0; w < WORKS; ++w) {
            const double start = Milliseconds();
            works[w]();
            const double each = Milliseconds() - start;
            best[w] = each < best[w] ? each : best[w];
        }
}

// A picture's pixels, stored as a DIB section stores them, a different
// value at nearly every byte; kept to the end of the run.
PixelRows NewPicture(int32_t width, int32_t height, int32_t bytesPerPixel, bool bottomUp) {
    const int32_t stride = (width * bytesPerPixel + 3) / 4 * 4;
    auto* bits = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(stride) * height, 1));
    if (!bits) {
        std::printf("out of memory\n");
        std::exit(1);
    }
    for (int32_t i = 0; i < stride * height; ++i)
        bits[i] = static_cast<uint8_t>(i * 7 + i / stride * 13);
    if (bottomUp)
        return {bits + static_cast<size_t>(height - 1) * stride, -stride, bytesPerPixel, width, height};
    return {bits, stride, bytesPerPixel, width, height};
}

struct Pictures {
    PixelRows copyFrom, copyTo;            // 4000 x 3000, 32-bit
    PixelRows large24, large32, reduced;   // 4000 x 3000 to 1274 x 955
    PixelRows small24, small32, enlarged;  // 637 x 491 to 955 x 736
} pictures;

void Copy() {
    std::memcpy(pictures.copyTo.first, pictures.copyFrom.first, size_t{4000} * 3000 * 4);
}
void Reduce24() {
    ScaleByArea(pictures.large24, pictures.reduced);
}
void Reduce32() {
    ScaleByArea(pictures.large32, pictures.reduced);
}
void Enlarge24() {
    ScaleByArea(pictures.small24, pictures.enlarged);
}
void Enlarge32() {
    ScaleByArea(pictures.small32, pictures.enlarged);
}

}  // namespace

int main() {
    pictures = {NewPicture(4000, 3000, 4, false), NewPicture(4000, 3000, 4, false), NewPicture(4000, 3000, 3, true),
                NewPicture(4000, 3000, 4, false), NewPicture(1274, 955, 4, true),   NewPicture(637, 491, 3, true),
                NewPicture(637, 491, 4, false),   NewPicture(955, 736, 4, true)};
    void (*const works[WORKS])() = {Copy, Reduce24, Reduce32, Enlarge24, Enlarge32};
    double best[WORKS];
    BestMilliseconds(works, best);
    std::printf("Best of %d warm rounds, the works taking turns:\n", ROUNDS);
    std::printf("memcpy of 4000x3000 32-bit pixels (48 MB)  %8.3f ms\n", best[0]);
    std::printf("ScaleByArea 4000x3000 -> 1274x955, 32-bit bottom-up target:\n");
    std::printf("  from 24-bit bottom-up  %8.3f ms  %5.2fx the memcpy\n", best[1], best[1] / best[0]);
    std::printf("  from 32-bit top-down   %8.3f ms  %5.2fx the memcpy\n", best[2], best[2] / best[0]);
    std::printf("ScaleByArea 637x491 -> 955x736, 32-bit bottom-up target:\n");
    std::printf("  from 24-bit bottom-up  %8.3f ms\n", best[3]);
    std::printf("  from 32-bit top-down   %8.3f ms\n", best[4]);
    return 0;
}
