// The fit of a picture to the display's scale and the work area, in exact
// integer arithmetic.
#include "render/picture_fit.h"

#include <algorithm>

namespace {

// A positive scale factor, numerator / denominator, each below 2^31.
struct Factor {
    int64_t numerator;
    int64_t denominator;
};

bool IsSmaller(Factor a, Factor b) {
    return a.numerator * b.denominator < b.numerator * a.denominator;
}

int32_t Scaled(int32_t side, Factor factor) {
    return static_cast<int32_t>(side * factor.numerator / factor.denominator);
}

}  // namespace

ShownSize FitPicture(int32_t width, int32_t height, int32_t dpi, int32_t maxWidth, int32_t maxHeight,
                     int32_t minimumSide) {
    minimumSide = std::max(minimumSide, 1);
    Factor factor{dpi > 0 ? dpi : UNSCALED_DPI, UNSCALED_DPI};
    const Factor widthCap{std::max(maxWidth, minimumSide), width};
    const Factor heightCap{std::max(maxHeight, minimumSide), height};
    if (IsSmaller(widthCap, factor))
        factor = widthCap;
    if (IsSmaller(heightCap, factor))
        factor = heightCap;
    return {std::max(Scaled(width, factor), minimumSide), std::max(Scaled(height, factor), minimumSide)};
}
