// Draws the sample pictures that ship with the game and writes them through
// the project's bitmap writer, each at its own size and depth:
//   make_samples OUTPUT_DIR    writes OUTPUT_DIR/Puzzle1.bmp ... Puzzle5.bmp
// Every scene is a function from a point to a colour; a picture is that
// function sampled over its pixels. Deterministic: every run writes the same
// bytes.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tools/bitmaps/bitmap_file.h"

namespace {

constexpr double PI = 3.14159265358979323846;

// ------------------------------------------------------------ colours

struct Rgb {
    double r, g, b;
};

Rgb operator+(Rgb a, Rgb b) {
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, double k) {
    return {a.r * k, a.g * k, a.b * k};
}

double Clamp01(double t) {
    return std::min(1.0, std::max(0.0, t));
}

Rgb Mix(Rgb a, Rgb b, double t) {
    t = Clamp01(t);
    return a * (1 - t) + b * t;
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

struct Stop {
    double at;
    Rgb colour;
};

// The colour at t along stops sorted by position.
Rgb Gradient(const std::vector<Stop>& stops, double t) {
    if (t <= stops.front().at)
        return stops.front().colour;
    for (size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].at) {
            const Stop& from = stops[i - 1];
            return Mix(from.colour, stops[i].colour, (t - from.at) / (stops[i].at - from.at));
        }
    return stops.back().colour;
}

uint32_t Byte(double value) {
    return static_cast<uint32_t>(std::lround(std::min(255.0, std::max(0.0, value))));
}

Colour ToColour(Rgb c) {
    return MakeColour(Byte(c.r), Byte(c.g), Byte(c.b));
}
Rgb FromColour(Colour c) {
    return {static_cast<double>(RedOf(c)), static_cast<double>(GreenOf(c)), static_cast<double>(BlueOf(c))};
}

// ------------------------------------------------------------ noise

uint32_t Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 0x8DA6B343u ^ static_cast<uint32_t>(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    return h ^ h >> 15;
}

double HashUnit(int32_t x, int32_t y, uint32_t seed) {
    return Hash(x, y, seed) / 4294967296.0;
}

// Smooth noise in 0..1 with features about one unit apart.
double ValueNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    const double tx = SmoothStep(0, 1, x - fx), ty = SmoothStep(0, 1, y - fy);
    const double top = HashUnit(ix, iy, seed) * (1 - tx) + HashUnit(ix + 1, iy, seed) * tx;
    const double bottom = HashUnit(ix, iy + 1, seed) * (1 - tx) + HashUnit(ix + 1, iy + 1, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

// Noise with detail at every scale: octaves each twice as fine and half as strong.
double Fbm(double x, double y, uint32_t seed, int octaves = 5) {
    double sum = 0, weight = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * ValueNoise(x, y, seed + static_cast<uint32_t>(i));
        total += weight;
        x *= 2.03;
        y *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

// ------------------------------------------------------------ geometry

struct Point {
    double x, y;
};

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double k) {
    return {a.x * k, a.y * k};
}
double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
double Length(Point p) {
    return std::hypot(p.x, p.y);
}

Point Rotated(Point p, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return {p.x * c - p.y * s, p.x * s + p.y * c};
}

// Where along segment ab (0 at a, 1 at b) the point nearest p lies.
double SegmentParameter(Point p, Point a, Point b) {
    const Point ab = b - a;
    return Clamp01(Dot(p - a, ab) / Dot(ab, ab));
}

double SegmentDistance(Point p, Point a, Point b) {
    return Length(p - (a + (b - a) * SegmentParameter(p, a, b)));
}

// Inside a stroke from a to b whose half-width goes from widthA to widthB.
bool InTaperedStroke(Point p, Point a, Point b, double widthA, double widthB) {
    const double t = SegmentParameter(p, a, b);
    return Length(p - (a + (b - a) * t)) <= widthA + (widthB - widthA) * t;
}

// Ellipse test value: below 1 inside, 1 on the outline.
double EllipseValue(Point p, Point centre, double radiusX, double radiusY) {
    const Point d = p - centre;
    return (d.x * d.x) / (radiusX * radiusX) + (d.y * d.y) / (radiusY * radiusY);
}

using Polyline = std::vector<Point>;

// Points along an elliptic arc; angles in radians, y pointing down.
void AppendArc(Polyline& line, Point centre, double radiusX, double radiusY, double from, double to) {
    const int steps = 16;
    for (int i = 0; i <= steps; ++i) {
        const double angle = from + (to - from) * i / steps;
        line.push_back({centre.x + radiusX * std::cos(angle), centre.y + radiusY * std::sin(angle)});
    }
}

double PolylineDistance(Point p, const Polyline& line) {
    double best = 1e9;
    for (size_t i = 1; i < line.size(); ++i)
        best = std::min(best, SegmentDistance(p, line[i - 1], line[i]));
    return best;
}

// ------------------------------------------------------------ digits

// The strokes of a digit in a box 0.6 wide and 1 high, y pointing down.
std::vector<Polyline> DigitStrokes(int digit) {
    std::vector<Polyline> strokes(1);
    Polyline& line = strokes[0];
    switch (digit) {
    case 0: AppendArc(line, {0.3, 0.5}, 0.28, 0.48, 0, 2 * PI); break;
    case 1: line = {{0.1, 0.2}, {0.34, 0.0}, {0.34, 1.0}}; break;
    case 2:
        AppendArc(line, {0.3, 0.28}, 0.27, 0.26, PI, 2 * PI + 0.55);
        line.push_back({0.03, 1.0});
        line.push_back({0.6, 1.0});
        break;
    case 3:
        AppendArc(line, {0.3, 0.26}, 0.24, 0.24, PI + 0.5, 2 * PI + PI / 2);
        AppendArc(line, {0.3, 0.74}, 0.28, 0.26, -PI / 2, PI - 0.45);
        break;
    case 4: line = {{0.46, 1.0}, {0.46, 0.0}, {0.02, 0.7}, {0.6, 0.7}}; break;
    case 5:
        line = {{0.56, 0.0}, {0.12, 0.0}};
        AppendArc(line, {0.3, 0.68}, 0.28, 0.3, -2.3, 2.6);
        break;
    case 6:
        AppendArc(line, {0.56, 0.72}, 0.53, 0.72, -1.75, -PI);
        strokes.emplace_back();
        AppendArc(strokes[1], {0.3, 0.72}, 0.27, 0.27, 0, 2 * PI);
        break;
    case 7: line = {{0.02, 0.0}, {0.6, 0.0}, {0.2, 1.0}}; break;
    case 8:
        AppendArc(line, {0.3, 0.25}, 0.22, 0.24, 0, 2 * PI);
        strokes.emplace_back();
        AppendArc(strokes[1], {0.3, 0.74}, 0.27, 0.26, 0, 2 * PI);
        break;
    default:  // 9
        AppendArc(line, {0.3, 0.28}, 0.27, 0.27, 0, 2 * PI);
        strokes.emplace_back();
        AppendArc(strokes[1], {0.04, 0.28}, 0.53, 0.72, 0, 1.39);
        break;
    }
    return strokes;
}

// A number drawn with strokes, centred on a point, in pixels.
class Label {
public:
    Label(int number, Point centre, double height, double strokeWidth) : halfStroke_(strokeWidth / 2) {
        const std::string text = std::to_string(number);
        const double advance = 0.74, width = 0.6 + advance * static_cast<double>(text.size() - 1);
        const Point origin = centre - Point{width / 2, 0.5} * height;
        for (size_t i = 0; i < text.size(); ++i)
            for (Polyline stroke : DigitStrokes(text[i] - '0')) {
                for (Point& point : stroke)
                    point = origin + (point + Point{advance * static_cast<double>(i), 0}) * height;
                strokes_.push_back(stroke);
            }
        low_ = origin - Point{1, 1} * strokeWidth;
        high_ = origin + Point{width, 1} * height + Point{1, 1} * strokeWidth;
    }

    bool Covers(Point p) const {
        if (p.x < low_.x || p.y < low_.y || p.x > high_.x || p.y > high_.y)
            return false;
        for (const Polyline& stroke : strokes_)
            if (PolylineDistance(p, stroke) <= halfStroke_)
                return true;
        return false;
    }

private:
    std::vector<Polyline> strokes_;
    double halfStroke_;
    Point low_{}, high_{};
};

// ------------------------------------------------------------ a mountain lake at sunset

class MountainLake {
public:
    MountainLake(double width, double height) : width_(width), height_(height) {}

    Rgb operator()(Point p) const {
        const double u = p.x / width_, v = p.y / height_;
        if (InPine(p))
            return {14, 22, 24};
        if (OnShore(u, v))
            return Shore(p, u, v);
        return v < HORIZON ? Above(u, v, p) : Water(u, v);
    }

private:
    static constexpr double HORIZON = 0.6;

    Rgb Above(double u, double v, Point p) const {
        const double nearTop = RidgeTop(u, 0.605, 0.07, 3);
        const double middleTop = RidgeTop(u, 0.57, 0.15, 2);
        const double farTop = RidgeTop(u, 0.53, 0.27, 1);
        if (v >= nearTop)
            return Mix({52, 46, 84}, {86, 70, 112}, (v - nearTop) * 30);
        if (v >= middleTop)
            return Mix({78, 58, 110}, {168, 104, 128}, SunOnSlope(u, v, middleTop, 2));
        if (v >= farTop)
            return FarSlope(u, v, farTop);
        return Sky(u, v, p);
    }

    // A ridge line: the top of a mountain range, as a height on the picture.
    static double RidgeTop(double u, double base, double rise, uint32_t seed) {
        return CoarseRidge(u, base, rise, seed) - 0.015 * Fbm(u * 30, seed, seed, 3);
    }

    static double CoarseRidge(double u, double base, double rise, uint32_t seed) {
        const double n = Fbm(u * (2.2 + seed), 0.5 * seed, seed * 7, 5);
        return base - rise * std::pow(1 - std::fabs(2 * n - 1), 1.6);
    }

    // How much sun a rock face gets: the slope of a ridged relief towards the
    // sun, strongest near the ridge line.
    static double SunOnSlope(double u, double v, double top, uint32_t seed) {
        const double step = 0.004, toSun = std::tanh((SUN_U - u) * 8);
        const double across = (Relief(u + step, v, seed) - Relief(u - step, v, seed)) * toSun;
        const double down = Relief(u, v + step, seed) - Relief(u, v - step, seed);
        return Clamp01(0.45 + 6 * across - 3 * down) * (1 - 0.6 * SmoothStep(0, 0.2, v - top));
    }

    static double Relief(double u, double v, uint32_t seed) {
        double sum = 0, weight = 0.5;
        for (int i = 0; i < 4; ++i, weight *= 0.5)
            sum += weight * (1 - std::fabs(2 * ValueNoise(u * 9 * (1 << i), v * 7 * (1 << i), seed + 50 + i) - 1));
        return sum;
    }

    // Rock, and snow on the highest peaks, its lower edge torn by the gullies.
    static Rgb FarSlope(double u, double v, double top) {
        const double sun = SunOnSlope(u, v, top, 1);
        const double snowLine = 0.05 * SmoothStep(0.36, 0.26, top) * (0.3 + Fbm(u * 70, v * 9, 99, 4));
        if (v - top > snowLine)
            return Mix({118, 88, 150}, {238, 160, 146}, sun);
        return Mix({168, 150, 196}, {255, 232, 226}, 0.3 + 0.7 * sun);
    }

    static constexpr double SUN_U = 0.63, SUN_V = 0.3;

    Rgb Sky(double u, double v, Point p) const {
        const double t = v / HORIZON;
        Rgb sky = Gradient({{0, {30, 32, 92}},
                            {0.35, {92, 62, 142}},
                            {0.62, {214, 102, 122}},
                            {0.84, {250, 156, 86}},
                            {1, {255, 212, 140}}},
                           t);
        const Point sun{SUN_U * width_, SUN_V * height_};
        const double distance = Length(p - sun);
        sky = Mix(sky, {255, 226, 160}, 0.75 * std::exp(-distance / 55));
        sky = Mix(sky, {255, 246, 214}, SmoothStep(24, 21, distance));
        const double streaks = Fbm(u * 3.2, v * 16, 5, 6) * SmoothStep(0.05, 0.2, t) * SmoothStep(0.75, 0.45, t);
        const double cloud = SmoothStep(0.5, 0.68, streaks);
        const Rgb cloudColour = Mix({255, 176, 140}, {112, 70, 128}, 1.2 - t * 1.6);
        sky = Mix(sky, cloudColour, cloud * 0.9);
        return InBird(p) ? Rgb{45, 30, 55} : sky;
    }

    bool InBird(Point p) const {
        const Point birds[] = {{0.24, 0.17}, {0.285, 0.205}, {0.215, 0.225}, {0.33, 0.16}};
        for (const Point& at : birds) {
            const Point c{at.x * width_, at.y * height_};
            const double span = 7;
            if (SegmentDistance(p, c + Point{-span, -3}, c) < 1.0 || SegmentDistance(p, c, c + Point{span, -3}) < 1.0)
                return true;
        }
        return false;
    }

    // The sky and the mountains mirrored, broken by ripples, with the sun's path on them.
    Rgb Water(double u, double v) const {
        const double depth = v - HORIZON;
        const double ripple = ValueNoise(u * 24, v * 260, 17) - 0.5;
        const double mirroredV = HORIZON - depth * (1 + 0.25 * ripple) - 0.002;
        const double shiftedU = u + 0.006 * ripple;
        Rgb water = Above(shiftedU, std::max(0.0, mirroredV), {shiftedU * width_, mirroredV * height_});
        water = Mix(water * 0.78, {24, 34, 78}, 0.2 + depth * 1.2);
        const double path = SmoothStep(0.05 + depth * 0.5, 0.0, std::fabs(u - SUN_U));
        const double glint = SmoothStep(0.62, 0.85, ValueNoise(u * 90, v * 420, 23));
        water = Mix(water, {255, 214, 150}, path * glint);
        const double line = SmoothStep(0.002, 0.0, std::fabs(depth)) * 0.4;
        return Mix(water, {255, 200, 150}, line);
    }

    // The banks: a slope on the left, a smaller one on the right.
    static double LeftBank(double u) { return 0.66 + 1.7 * std::pow(std::max(0.0, u - 0.02), 2); }
    static double RightBank(double u) { return 0.72 + 2.4 * std::pow(std::max(0.0, 0.985 - u), 2); }

    static bool OnShore(double u, double v) {
        const double wobble = 0.006 * std::sin(u * 90);
        return v > LeftBank(u) + wobble || v > RightBank(u) + wobble;
    }

    // Grass in tufts, a strip of sunlit stones at the water, darker towards the front.
    Rgb Shore(Point p, double u, double v) const {
        const double tufts = Fbm(p.x / 2.5, p.y / 9, 31, 4);
        const double edge = std::max(v - LeftBank(u), v - RightBank(u)) * height_;
        Rgb ground = Mix({18, 28, 24}, {84, 84, 46}, SmoothStep(0.35, 0.75, tufts));
        const double stones = SmoothStep(0.45, 0.6, ValueNoise(p.x / 3, p.y / 2, 33));
        ground = Mix(ground, Mix({92, 76, 70}, {196, 140, 110}, stones), SmoothStep(7, 2, edge) * 0.8);
        return ground * (0.55 + 0.45 * SmoothStep(1.0, 0.7, v));
    }

    // Pines stand on the banks: layered boughs narrowing to the tip.
    bool InPine(Point p) const {
        struct Pine {
            double u, height, halfWidth;
        };
        static const Pine pines[] = {{0.03, 0.47, 34},  {0.1, 0.37, 28},   {0.16, 0.3, 22},  {0.215, 0.22, 16},
                                     {0.975, 0.42, 30}, {0.915, 0.31, 24}, {0.865, 0.22, 17}};
        for (const Pine& pine : pines) {
            const double baseV = (pine.u < 0.5 ? LeftBank(pine.u) : RightBank(pine.u)) + 0.01;
            const double t = (baseV * height_ - p.y) / (pine.height * height_);  // 0 at the foot, 1 at the tip
            if (t < 0 || t > 1)
                continue;
            const double dx = std::fabs(p.x - pine.u * width_);
            if (t < 0.08 && dx < pine.halfWidth * 0.12)
                return true;
            const double bough = 0.7 + 0.3 * std::fmod(t * 7.5, 1.0);
            const double ragged = 0.85 + 0.3 * ValueNoise(p.y / 3, pine.u * 50, 3);
            if (t >= 0.08 && dx < pine.halfWidth * (1 - t) * bough * ragged)
                return true;
        }
        return false;
    }

    double width_, height_;
};

// ------------------------------------------------------------ a rose window in stained glass

// The sixteen colours of the window: lead, then the glass.
const std::vector<Colour> GLASS_TABLE = {
    MakeColour(0, 0, 0),       MakeColour(24, 58, 160),  MakeColour(84, 148, 222),  MakeColour(176, 22, 42),
    MakeColour(230, 104, 138), MakeColour(238, 150, 28), MakeColour(252, 214, 78),  MakeColour(22, 128, 72),
    MakeColour(128, 196, 92),  MakeColour(112, 52, 156), MakeColour(40, 176, 176),  MakeColour(228, 226, 200),
    MakeColour(176, 196, 214), MakeColour(232, 104, 40), MakeColour(252, 246, 228), MakeColour(14, 24, 84),
};

enum Glass { LEAD, BLUE, SKY, RUBY, ROSE, AMBER, GOLD, EMERALD, LEAF, VIOLET, TEAL, PALE, MIST, ORANGE, WHITE, NIGHT };

class RoseWindow {
public:
    RoseWindow(double width, double height) : width_(width), height_(height) {}

    Rgb operator()(Point p) const { return FromColour(GLASS_TABLE[PieceAt(p)]); }

private:
    static constexpr double BORDER = 28;

    int PieceAt(Point p) const {
        const Point centre{width_ / 2, height_ / 2};
        const double radius = height_ / 2 - BORDER - 14;
        const double r = Length(p - centre);
        if (InBorder(p))
            return BorderPiece(p);
        if (r < radius)
            return RosePiece(p - centre, radius);
        if (r < radius + 9)
            return LEAD;
        return CornerPiece(p);
    }

    bool InBorder(Point p) const {
        return p.x < BORDER || p.y < BORDER || p.x > width_ - BORDER || p.y > height_ - BORDER;
    }

    // A frame of square panes, four colours in turn.
    int BorderPiece(Point p) const {
        const double inner = std::min({p.x, p.y, width_ - p.x, height_ - p.y});
        if (inner < 3 || inner > BORDER - 3)
            return LEAD;
        const bool alongTop = std::min(p.y, height_ - p.y) < BORDER;
        const double along = alongTop ? p.x : p.y;
        if (std::fmod(along, BORDER) < 3)
            return LEAD;
        static const int colours[] = {RUBY, GOLD, BLUE, EMERALD, ORANGE};
        return colours[static_cast<int>(along / BORDER) % 5];
    }

    // Quarry glass: pale diamonds, a green one now and then, a flower roundel in each corner.
    int CornerPiece(Point p) const {
        const Point corners[] = {{90, 90}, {width_ - 90, 90}, {90, height_ - 90}, {width_ - 90, height_ - 90}};
        for (const Point& corner : corners)
            if (Length(p - corner) < 44)
                return FlowerPiece(p - corner);
        const Point d = Rotated(p, PI / 4) * (1 / 34.0);
        const double fx = d.x - std::floor(d.x), fy = d.y - std::floor(d.y);
        if (std::min({fx, fy, 1 - fx, 1 - fy}) < 0.05)
            return LEAD;
        const int i = static_cast<int>(std::floor(d.x)), j = static_cast<int>(std::floor(d.y));
        if ((i + j) % 3 == 0 && (i - j) % 3 == 0)
            return LEAF;
        return (i + 2 * j) % 7 == 0 ? MIST : PALE;
    }

    static int FlowerPiece(Point d) {
        const double r = Length(d), angle = std::atan2(d.y, d.x);
        if (r > 40)
            return LEAD;
        if (std::fabs(r - 12) < 1.6)
            return LEAD;
        if (r < 12)
            return GOLD;
        const double petal = 12 + 26 * std::fabs(std::cos(2 * angle));
        if (std::fabs(r - petal) < 1.8)
            return LEAD;
        return r < petal ? RUBY : SKY;
    }

    // The rose: a star in the middle, then rings of petals, roundels, lancets and small roundels.
    static int RosePiece(Point d, double radius) {
        const double r = Length(d), rho = r / radius;
        const double angle = std::atan2(d.x, -d.y) + PI;  // 0 at the bottom, turning clockwise
        const double rings[] = {0.16, 0.42, 0.64, 0.86};
        for (double ring : rings)
            if (std::fabs(rho - ring) * radius < 3)
                return LEAD;
        if (rho < 0.16)
            return StarPiece(r, angle, 0.16 * radius);
        if (rho < 0.42)
            return CellPiece(r, angle, 8, 0.29 * radius, radius, PETAL);
        if (rho < 0.64)
            return CellPiece(r, angle, 16, 0.53 * radius, radius, ROUNDEL);
        if (rho < 0.86)
            return CellPiece(r, angle, 16, 0.75 * radius, radius, LANCET);
        return CellPiece(r, angle, 32, 0.93 * radius, radius, BEAD);
    }

    static int StarPiece(double r, double angle, double outer) {
        if (r < 7)
            return WHITE;
        const double tip = outer * (0.45 + 0.5 * std::pow(std::fabs(std::cos(4 * angle)), 3));
        if (std::fabs(r - tip) < 1.6 || std::fabs(r - 7) < 1.5)
            return LEAD;
        return r < tip ? RUBY : GOLD;
    }

    enum Shape { PETAL, ROUNDEL, LANCET, BEAD };

    // One of `count` equal cells round the ring, each holding one shape on its centre line.
    static int CellPiece(double r, double angle, int count, double middle, double radius, Shape shape) {
        const double cell = 2 * PI / count;
        const int index = static_cast<int>(angle / cell) % count;
        const double phi = angle - (index + 0.5) * cell;  // from the cell's centre line
        if (r * std::sin(cell / 2 - std::fabs(phi)) < 2)
            return LEAD;
        const Point local{r * std::cos(phi) - middle, r * std::sin(phi)};  // radial, across
        const bool odd = index % 2 != 0;
        switch (shape) {
        case PETAL:
            return InShape(EllipseValue(local, {0, 0}, 0.115 * radius, 0.09 * radius), 0.115 * radius,
                           odd ? BLUE : RUBY, TEAL);
        case ROUNDEL: return InShape(Length(local) / (0.075 * radius), 0.075 * radius, WHITE, odd ? AMBER : EMERALD);
        case LANCET: return LancetPiece(local, radius, odd ? SKY : VIOLET);
        default: return InShape(Length(local) / (0.05 * radius), 0.05 * radius, odd ? GOLD : ROSE, BLUE);
        }
    }

    // value below 1 inside the shape: its glass, a lead outline, then the ground glass.
    static int InShape(double value, double size, int inside, int ground) {
        const double distance = (std::sqrt(std::max(0.0, value)) - 1) * size;
        if (std::fabs(distance) < 1.6)
            return LEAD;
        return distance < 0 ? inside : ground;
    }

    // A pointed window: straight sides and an arch towards the rim.
    static int LancetPiece(Point local, double radius, int glass) {
        const double halfWidth = 0.068 * radius, foot = -0.09 * radius, spring = 0.0;
        const double tip = 0.1 * radius;
        double edge = halfWidth;
        if (local.x > spring)
            edge = halfWidth * std::sqrt(std::max(0.0, 1 - std::pow((local.x - spring) / (tip - spring), 2)));
        const double outside = std::max({std::fabs(local.y) - edge, foot - local.x, local.x - tip});
        if (std::fabs(outside) < 1.6)
            return LEAD;
        return outside < 0 ? glass : NIGHT;
    }

    double width_, height_;
};

// ------------------------------------------------------------ a wall clock

class WallClock {
public:
    WallClock(double width, double height) : centre_{width / 2, height / 2}, radius_(width * 0.43) {
        for (int hour = 1; hour <= 12; ++hour) {
            const double angle = hour * PI / 6;
            const Point at = centre_ + Point{std::sin(angle), -std::cos(angle)} * (radius_ * 0.6);
            numerals_.emplace_back(hour, at, radius_ * 0.17, radius_ * 0.022);
        }
    }

    Rgb operator()(Point p) const {
        const Point d = p - centre_;
        const double r = Length(d);
        if (r > radius_)
            return Wall(p);
        if (r > radius_ * 0.88)
            return Bezel(d, r);
        return Dial(p, d, r);
    }

private:
    Rgb Wall(Point p) const {
        const double stripe = std::fmod(p.x, 24) < 12 ? 1.0 : 0.965;
        const Rgb wall = Rgb{196, 214, 200} * (stripe * (0.96 + 0.08 * Fbm(p.x / 40, p.y / 40, 61, 3)));
        const double shadow = SmoothStep(radius_ + 14, radius_ - 4, Length(p - centre_ - Point{5, 8}));
        return wall * (1 - 0.4 * shadow);
    }

    // Brass, lit from the top left: the outer slope faces the light there, the inner slope away.
    Rgb Bezel(Point d, double r) const {
        const double across = (r - radius_ * 0.88) / (radius_ * 0.12);
        const Point outward = d * (1 / r);
        const double facing = Dot(outward, Point{-0.6, -0.8}) * (across > 0.45 ? 1 : -1);
        const Rgb brass = Mix({104, 66, 24}, {250, 214, 128}, 0.5 + 0.5 * facing);
        const double rim = SmoothStep(0.08, 0.0, std::min(across, 1 - across));
        return Mix(brass, {60, 40, 16}, rim * 0.6);
    }

    Rgb Dial(Point p, Point d, double r) const {
        Rgb face = Mix({250, 246, 232}, {226, 216, 192}, SmoothStep(0.5, 0.88, r / radius_));
        if (OnTrack(d, r) || InNumeral(p))
            face = {28, 32, 72};
        if (HandsCover(p - Point{2.5, 3.5}))
            face = face * 0.72;
        face = HandColour(p, face);
        const double glare = SmoothStep(0.25, 0.0, std::fabs(Dot(d * (1 / radius_), Point{0.7, 0.7}) + 0.35));
        return Mix(face, {255, 255, 255}, glare * 0.18 * SmoothStep(0.88, 0.5, r / radius_));
    }

    // The minute track: a tick every minute, longer and thicker every five.
    bool OnTrack(Point d, double r) const {
        const double rho = r / radius_;
        if (std::fabs(rho - 0.84) * radius_ < 0.6)
            return true;
        const double minute = std::atan2(d.x, -d.y) / (2 * PI) * 60;
        const double nearest = std::round(minute);
        const bool hour = static_cast<long>(nearest) % 5 == 0;
        const double across = std::fabs(minute - nearest) * 2 * PI / 60 * r;
        return rho > (hour ? 0.73 : 0.78) && rho < 0.84 && across < (hour ? 1.8 : 0.7);
    }

    bool InNumeral(Point p) const {
        for (const Label& numeral : numerals_)
            if (numeral.Covers(p))
                return true;
        return false;
    }

    // Ten past ten and thirty-six seconds.
    Point HandTip(double fraction, double length) const {
        const double angle = fraction * 2 * PI;
        return centre_ + Point{std::sin(angle), -std::cos(angle)} * (radius_ * length);
    }

    static constexpr double HOUR = (10 + 10 / 60.0) / 12, MINUTE = 10.6 / 60, SECOND = 36 / 60.0;

    bool HandsCover(Point p) const {
        return InTaperedStroke(p, HandTip(HOUR + 0.5, 0.1), HandTip(HOUR, 0.5), 4.5, 2.2) ||
               InTaperedStroke(p, HandTip(MINUTE + 0.5, 0.12), HandTip(MINUTE, 0.78), 3.4, 1.4) ||
               SegmentDistance(p, HandTip(SECOND + 0.5, 0.2), HandTip(SECOND, 0.84)) < 0.9;
    }

    Rgb HandColour(Point p, Rgb face) const {
        const double r = Length(p - centre_);
        if (r < 3)
            return {240, 200, 110};
        if (r < 6.5 || SegmentDistance(p, HandTip(SECOND + 0.5, 0.2), HandTip(SECOND, 0.84)) < 0.9 ||
            Length(p - HandTip(SECOND + 0.5, 0.14)) < 4)
            return {196, 28, 32};
        if (InTaperedStroke(p, HandTip(HOUR + 0.5, 0.1), HandTip(HOUR, 0.5), 4.5, 2.2) ||
            InTaperedStroke(p, HandTip(MINUTE + 0.5, 0.12), HandTip(MINUTE, 0.78), 3.4, 1.4))
            return {22, 22, 30};
        return face;
    }

    Point centre_;
    double radius_;
    std::vector<Label> numerals_;
};

// ------------------------------------------------------------ balloons over fields

class Balloons {
public:
    Balloons(double width, double height) : width_(width), height_(height) {}

    Rgb operator()(Point p) const {
        for (const Balloon& balloon : BALLOONS) {
            Rgb colour;
            if (DrawBalloon(balloon, p, colour))
                return colour;
        }
        return p.y < HorizonY(p.x) ? Sky(p) : Land(p);
    }

private:
    struct Balloon {
        double x, y, radius;
        Rgb first, second, band;
        int gores;
    };
    static constexpr Balloon BALLOONS[] = {
        {112, 120, 60, {214, 36, 40}, {250, 206, 40}, {250, 206, 40}, 12},
        {236, 84, 34, {36, 84, 200}, {244, 244, 240}, {214, 36, 40}, 10},
        {206, 214, 20, {40, 160, 70}, {246, 140, 30}, {246, 140, 30}, 8},
        {52, 252, 11, {130, 60, 170}, {250, 220, 60}, {250, 220, 60}, 8},
    };

    double HorizonY(double x) const { return height_ * 0.74 + 8 * Fbm(x / 70, 3.5, 71, 4) - 4; }

    Rgb Sky(Point p) const {
        const double v = p.y / height_;
        Rgb sky = Gradient({{0, {62, 132, 214}}, {0.6, {150, 198, 238}}, {0.75, {222, 234, 240}}}, v);
        const double band = SmoothStep(0.05, 0.2, v) * SmoothStep(0.65, 0.4, v);
        const double density = Fbm(p.x / 90, p.y / 45, 81) + 0.18 * band;
        const double cloud = SmoothStep(0.56, 0.64, density);
        if (cloud <= 0)
            return sky;
        const double lit = Fbm((p.x - 5) / 90, (p.y - 7) / 45, 81) - Fbm(p.x / 90, p.y / 45, 81);
        const Rgb cloudColour = Mix({176, 188, 212}, {255, 255, 255}, 0.55 - lit * 12);
        return Mix(sky, cloudColour, cloud);
    }

    // Fields seen in perspective: irregular plots of crops parted by hedges,
    // hazier towards the horizon, with a range of low hills behind them.
    Rgb Land(Point p) const {
        const double horizon = HorizonY(p.x);
        const double hills = height_ * 0.745 + 6 * Fbm(p.x / 40, 8.5, 73, 4);
        if (p.y < hills)
            return Mix({96, 140, 128}, {150, 184, 188}, 0.5 + 0.5 * (hills - p.y) / (hills - horizon + 1));
        const double depth = 60 / (p.y - height_ * 0.72);  // distance of the ground seen at this row
        const Point ground{(p.x - width_ / 2) * depth / 35, depth};
        const auto [cell, border] = NearestPlot(ground * 1.3);
        static const Rgb crops[] = {{222, 200, 96}, {112, 172, 66}, {70, 130, 56},
                                    {238, 222, 70}, {164, 128, 76}, {140, 190, 92}};
        Rgb field = crops[cell % 6] * (0.9 + 0.15 * ValueNoise(ground.x * 40, ground.y * 40, 93));
        if (cell % 6 == 4)  // ploughed: furrows
            field = field * (0.85 + 0.15 * std::sin(ground.x * 120));
        if (border < 0.05)
            field = Rgb{46, 86, 42} * (0.8 + 0.4 * ValueNoise(ground.x * 60, ground.y * 60, 95));
        const double haze = SmoothStep(height_, horizon, p.y);
        return Mix(field, {170, 196, 204}, haze * haze * 0.8);
    }

    // The plot a ground point lies in (cells of irregular shape around scattered
    // centres), and how far the point is from the plot's edge.
    static std::pair<uint32_t, double> NearestPlot(Point ground) {
        const int32_t ix = static_cast<int32_t>(std::floor(ground.x)), iz = static_cast<int32_t>(std::floor(ground.y));
        double nearest = 1e9, second = 1e9;
        uint32_t cell = 0;
        for (int32_t dz = -1; dz <= 1; ++dz)
            for (int32_t dx = -1; dx <= 1; ++dx) {
                const int32_t cx = ix + dx, cz = iz + dz;
                const Point centre{cx + HashUnit(cx, cz, 97), cz + HashUnit(cx, cz, 98)};
                const double distance = Length(ground - centre);
                if (distance < nearest) {
                    second = nearest, nearest = distance, cell = Hash(cx, cz, 99);
                } else {
                    second = std::min(second, distance);
                }
            }
        return {cell, (second - nearest) / 2};
    }

    // The envelope: a sphere above a tapering cone, striped in gores, shaded and lit.
    static bool DrawBalloon(const Balloon& b, Point p, Rgb& colour) {
        const Point l = (p - Point{b.x, b.y}) * (1 / b.radius);
        const double pixel = 1 / b.radius;
        if (l.y > 1.5)
            return DrawBasket(l, pixel, colour);
        const double half = EnvelopeHalfWidth(l.y);
        if (half <= 0 || std::fabs(l.x) > half)
            return false;
        const double across = l.x / half;
        const double gore = (std::asin(std::max(-1.0, std::min(1.0, across))) / PI + 0.5) * b.gores;
        Rgb cloth = static_cast<int>(gore) % 2 == 0 ? b.first : b.second;
        if (l.y > 0.05 && l.y < 0.28)
            cloth = b.band;
        if (l.y > 1.38)
            cloth = cloth * 0.55;
        const double seam = std::min(gore - std::floor(gore), std::ceil(gore) - gore);
        const double light = 0.78 - 0.32 * across - 0.12 * l.y - 0.3 * std::pow(std::fabs(across), 6);
        const double shine = 0.45 * std::exp(-(std::pow(l.x + 0.38, 2) + std::pow(l.y + 0.45, 2)) * 9);
        colour = Mix(cloth * (light * (seam < 0.04 ? 0.8 : 1.0)), {255, 255, 255}, shine);
        return true;
    }

    static double EnvelopeHalfWidth(double y) {
        if (y < -1)
            return 0;
        if (y < 0.25)
            return std::sqrt(1 - y * y);
        const double s = (y - 0.25) / 1.25;
        return s > 1 ? 0 : 0.26 + 0.708 * std::cos(s * PI / 2);
    }

    static bool DrawBasket(Point l, double pixel, Rgb& colour) {
        if (std::fabs(l.x) < 0.2 && l.y > 1.92 && l.y < 2.25) {
            const bool weave = std::fmod((l.y - 1.92) / pixel, 4) < 1 || std::fmod((l.x + 0.2) / pixel, 5) < 1;
            colour = weave ? Rgb{96, 60, 28} : Rgb{150, 104, 54};
            return true;
        }
        for (double side : {-1.0, 1.0})
            if (SegmentDistance(l, {0.26 * side, 1.5}, {0.19 * side, 1.92}) < 0.5 * pixel) {
                colour = {70, 50, 36};
                return true;
            }
        return false;
    }

    double width_, height_;
};

// ------------------------------------------------------------ a coral reef

class Reef {
public:
    Reef(double width, double height) : width_(width), height_(height) { GrowCoral({300, 372}, -PI / 2, 62, 9, 4); }

    Rgb operator()(Point p) const {
        Rgb colour = Water(p);
        for (const Fish& fish : FISH)
            if (DrawFish(fish, p, colour))
                return colour;
        if (InBubble(p, colour))
            return colour;
        if (InBranchCoral(p))
            return Rgb{242, 96, 112} * (0.85 + 0.25 * Fbm(p.x / 4, p.y / 4, 13, 2));
        if (InBrainCoral(p, colour) || InSeaFan(p, colour) || InWeed(p, colour) || InStarfish(p, colour))
            return colour;
        if (InRock(p))
            return Rgb{98, 84, 112} * (0.7 + 0.5 * Fbm(p.x / 14, p.y / 14, 19, 4));
        if (p.y > SandTop(p.x))
            return Sand(p);
        return colour;
    }

private:
    Rgb Water(Point p) const {
        const double v = p.y / height_;
        Rgb water = Gradient({{0, {124, 222, 232}}, {0.45, {30, 142, 192}}, {1, {10, 56, 112}}}, v);
        const double ray = std::pow(ValueNoise((p.x + p.y * 0.45) / 26, 0.5, 29), 3) * (1 - v);
        water = Mix(water, {200, 246, 250}, ray * 0.55);
        const double caustic = SmoothStep(0.06, 0.0, v) * SmoothStep(0.55, 0.7, Fbm(p.x / 12, p.y / 5, 37, 3));
        return Mix(water, {236, 252, 255}, caustic);
    }

    double SandTop(double x) const { return height_ * 0.82 + 14 * Fbm(x / 110, 1.5, 41, 4) - 7; }

    Rgb Sand(Point p) const {
        const double ripple = 0.5 + 0.5 * std::sin(p.x / 7 + 6 * Fbm(p.x / 60, p.y / 20, 43, 3) + p.y / 3);
        Rgb sand = Mix({222, 202, 150}, {184, 160, 112}, ripple * 0.6);
        if (HashUnit(static_cast<int32_t>(p.x), static_cast<int32_t>(p.y), 47) > 0.985)
            sand = sand * 0.7;
        return sand;
    }

    bool InRock(Point p) const {
        const double lumps = 14 * Fbm(p.x / 30, p.y / 30, 53, 3);
        return Length(p - Point{118, 392}) < 96 + lumps || Length(p - Point{478, 404}) < 74 + lumps;
    }

    bool InBrainCoral(Point p, Rgb& colour) const {
        if (EllipseValue(p, {112, 326}, 64, 44) > 1 || p.y > 350)
            return false;
        const double maze = std::sin(36 * Fbm(p.x / 26, p.y / 26, 59, 3));
        const double shade = 0.75 + 0.35 * (1 - EllipseValue(p, {100, 312}, 64, 44));
        colour = (std::fabs(maze) < 0.3 ? Rgb{176, 96, 56} : Rgb{236, 158, 92}) * shade;
        return true;
    }

    // A fan of purple lace: ribs from the stem and arcs across them, the water showing through.
    bool InSeaFan(Point p, Rgb& colour) const {
        const Point base{462, 352};
        const Point d = p - base;
        if (d.y > 0 || EllipseValue(p, base, 74, 96) > 1) {
            if (std::fabs(d.x) < 2.5 && d.y >= 0 && d.y < 20) {
                colour = {120, 48, 140};
                return true;
            }
            return false;
        }
        const double r = Length(d), angle = std::atan2(d.x, -d.y);
        const double rib = std::fabs(std::remainder(angle, PI / 12)) * r;
        const double arc = std::fabs(std::remainder(r + 6 * Fbm(p.x / 20, p.y / 20, 67, 2), 14));
        if (rib < 1.3 || arc < 1.1 || EllipseValue(p, base, 74, 96) > 0.94) {
            colour = Rgb{168, 76, 190} * (0.8 + 0.3 * (1 - r / 96));
            return true;
        }
        colour = Mix(colour, {120, 60, 150}, 0.25);
        return false;
    }

    bool InWeed(Point p, Rgb& colour) const {
        const double weeds[][3] = {{36, 170, 0.0}, {236, 120, 1.7}, {530, 190, 3.1}, {548, 120, 4.4}};
        for (const auto& weed : weeds) {
            const double top = SandTop(weed[0]) - weed[1];
            if (p.y < top || p.y > SandTop(weed[0]) + 4)
                continue;
            const double sway = (SandTop(weed[0]) - p.y) / weed[1];
            const double centre = weed[0] + 14 * std::sin(p.y / 26 + weed[2]) * sway;
            const double half = 6 * (1 - 0.7 * sway);
            if (std::fabs(p.x - centre) < half) {
                colour = std::fabs(p.x - centre) < 1 ? Rgb{128, 196, 96} : Rgb{54, 140, 66};
                return true;
            }
        }
        return false;
    }

    bool InStarfish(Point p, Rgb& colour) const {
        const Point d = Rotated(p - Point{372, 392}, 0.3);
        const double r = Length(d), angle = std::atan2(d.y, d.x);
        const double arm = 24 * (0.38 + 0.62 * std::pow(std::fabs(std::cos(2.5 * angle)), 2.5));
        if (r > arm)
            return false;
        const bool dot = std::fabs(std::remainder(r, 6)) < 1.3 && r > 5;
        colour = (dot ? Rgb{252, 196, 120} : Rgb{232, 88, 48}) * (1.05 - 0.3 * r / 24);
        return true;
    }

    struct Branch {
        Point from, to;
        double width;
    };

    void GrowCoral(Point from, double angle, double length, double width, int depth) {
        const Point to = from + Point{std::cos(angle), std::sin(angle)} * length;
        branches_.push_back({from, to, width});
        if (depth == 0)
            return;
        const double spread = 0.42 + 0.1 * depth;
        GrowCoral(to, angle - spread, length * 0.72, width * 0.72, depth - 1);
        GrowCoral(to, angle + spread * 0.9, length * 0.68, width * 0.72, depth - 1);
    }

    bool InBranchCoral(Point p) const {
        for (const Branch& branch : branches_)
            if (InTaperedStroke(p, branch.from, branch.to, branch.width, branch.width * 0.72))
                return true;
        return false;
    }

    bool InBubble(Point p, Rgb& colour) const {
        for (int i = 0; i < 9; ++i) {
            const Point centre{84 + 10 * std::sin(i * 1.9), 290 - i * 30.0};
            const double radius = 3 + i * 0.55;
            const double r = Length(p - centre);
            if (r > radius)
                continue;
            const bool shine = Length(p - centre + Point{radius * 0.35, radius * 0.35}) < radius * 0.3;
            colour = shine || r > radius - 1.2 ? Rgb{236, 250, 255} : Mix(colour, {190, 236, 246}, 0.35);
            return true;
        }
        return false;
    }

    struct Fish {
        double x, y, length;
        int facing;  // 1: right, -1: left
        Rgb body, fins, stripes;
        int kind;  // 0 bands, 1 plain with a dark flank mark, 2 thin stripes
    };
    static constexpr Fish FISH[] = {
        {196, 170, 74, 1, {250, 118, 28}, {24, 20, 24}, {252, 250, 246}, 0},
        {384, 118, 82, -1, {34, 82, 204}, {250, 212, 40}, {16, 24, 70}, 1},
        {428, 236, 52, 1, {248, 214, 44}, {232, 170, 30}, {120, 90, 20}, 2},
        {86, 70, 24, 1, {196, 214, 226}, {140, 160, 176}, {90, 110, 130}, 2},
        {118, 88, 22, 1, {196, 214, 226}, {140, 160, 176}, {90, 110, 130}, 2},
        {100, 108, 23, 1, {196, 214, 226}, {140, 160, 176}, {90, 110, 130}, 2},
        {140, 64, 20, 1, {196, 214, 226}, {140, 160, 176}, {90, 110, 130}, 2},
    };

    // Body, tail, fin and eye of a fish, in units of its length with the head towards +x.
    static bool DrawFish(const Fish& f, Point p, Rgb& colour) {
        const Point l{(p.x - f.x) * f.facing / f.length, (p.y - f.y) / f.length};
        const double pixel = 1 / f.length;
        const double body = EllipseValue(l, {0, 0}, 0.5, 0.22);
        const bool tail = l.x < -0.38 && l.x > -0.72 && std::fabs(l.y) < (-0.38 - l.x) * 1.1 + 0.02;
        const bool fin = l.x > -0.25 && l.x < 0.15 && l.y < 0 && l.y > -0.22 - (0.15 - l.x) * 0.3 &&
                         EllipseValue(l, {-0.05, -0.12}, 0.22, 0.2) < 1;
        if (body > 1 && !tail && !fin)
            return false;
        if (body > 1) {
            colour = f.fins;
            return true;
        }
        colour = FishSkin(f, l, pixel) * (0.75 + 0.35 * (1 - body) - 0.25 * std::max(0.0, l.y * 3));
        const double eye = Length(l - Point{0.3, -0.05});
        if (eye < 0.065)
            colour = eye < 0.035 ? Rgb{10, 10, 14} : Rgb{250, 250, 250};
        return true;
    }

    static Rgb FishSkin(const Fish& f, Point l, double pixel) {
        if (f.kind == 0) {
            for (double band : {0.14, -0.2}) {
                const double from = std::fabs(l.x - band);
                if (from < 0.06)
                    return from > 0.06 - 1.5 * pixel ? f.fins : f.stripes;
            }
        } else if (f.kind == 1) {
            if (EllipseValue(l, {-0.02, -0.02}, 0.3, 0.1) < 1)
                return f.stripes;
        } else if (std::fabs(std::remainder(l.x * 1.2 + l.y, 0.12)) < 1.2 * pixel + 0.01) {
            return f.stripes;
        }
        return f.body;
    }

    double width_, height_;
    std::vector<Branch> branches_;
};

// ------------------------------------------------------------ pictures and files

using Scene = std::function<Rgb(Point)>;

struct Image {
    int32_t width, height;
    std::vector<Rgb> pixels;
    Rgb At(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Each pixel is the mean of samples x samples points spread over it, which smooths the edges.
Image Render(int32_t width, int32_t height, int32_t samples, const Scene& scene) {
    Image image{width, height, {}};
    image.pixels.reserve(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            Rgb sum{0, 0, 0};
            for (int32_t sy = 0; sy < samples; ++sy)
                for (int32_t sx = 0; sx < samples; ++sx)
                    sum = sum + scene({x + (sx + 0.5) / samples, y + (sy + 0.5) / samples});
            image.pixels.push_back(sum * (1.0 / (samples * samples)));
        }
    return image;
}

uint32_t Channel(Colour colour, int channel) {
    return colour >> (8 * channel) & 0xFF;
}

struct ColourBox {
    std::vector<Colour> colours;
    int widest = 0;       // the channel with the widest spread
    uint32_t spread = 0;  // that spread
};

ColourBox Measured(std::vector<Colour> colours) {
    ColourBox box{std::move(colours)};
    for (int channel = 0; channel < 3; ++channel) {
        uint32_t low = 255, high = 0;
        for (const Colour colour : box.colours) {
            low = std::min(low, Channel(colour, channel));
            high = std::max(high, Channel(colour, channel));
        }
        if (high - low > box.spread || box.colours.empty())
            box.widest = channel, box.spread = box.colours.empty() ? 0 : high - low;
    }
    return box;
}

Colour MeanColour(const std::vector<Colour>& colours) {
    double sums[3] = {0, 0, 0};
    for (const Colour colour : colours)
        for (int channel = 0; channel < 3; ++channel)
            sums[channel] += Channel(colour, channel);
    const double n = static_cast<double>(colours.size());
    return ToColour({sums[0] / n, sums[1] / n, sums[2] / n});
}

// A colour table fitted to the picture by median cut: the box with the most
// pixels times spread is split at its median until there are `size` boxes.
// Black comes on top, so that the game's empty cell is black on this picture too.
std::vector<Colour> MedianCutTable(const Image& image, size_t size) {
    std::vector<Colour> all;
    for (const Rgb& pixel : image.pixels)
        all.push_back(ToColour(pixel));
    std::vector<ColourBox> boxes{Measured(all)};
    while (boxes.size() < size) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const ColourBox& a, const ColourBox& b) {
            return a.spread * a.colours.size() < b.spread * b.colours.size();
        });
        if (widest->spread == 0)
            break;
        std::vector<Colour> colours = std::move(widest->colours);
        const int channel = widest->widest;
        const auto middle = colours.begin() + static_cast<std::ptrdiff_t>(colours.size() / 2);
        std::nth_element(colours.begin(), middle, colours.end(),
                         [channel](Colour a, Colour b) { return Channel(a, channel) < Channel(b, channel); });
        *widest = Measured(std::vector<Colour>(colours.begin(), middle));
        boxes.push_back(Measured(std::vector<Colour>(middle, colours.end())));
    }
    std::vector<Colour> table{MakeColour(0, 0, 0)};
    for (const ColourBox& box : boxes)
        table.push_back(MeanColour(box.colours));
    return table;
}

// Ordered dithering: a 4x4 pattern of small offsets, so that gradients
// stored through a colour table show no bands.
Rgb Dithered(Rgb colour, int32_t x, int32_t y) {
    static const int pattern[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const double offset = (pattern[y & 3][x & 3] - 7.5) * 0.6;
    return colour + Rgb{offset, offset, offset};
}

struct Sample {
    const char* name;
    int32_t width, height, bitsPerPixel;
    std::function<Scene(double width, double height)> scene;
};

bool WriteSample(const std::string& directory, const Sample& sample) {
    const Scene scene = sample.scene(sample.width, sample.height);
    const bool ownTable = sample.bitsPerPixel == 4;  // the scene draws in the glass colours only
    const Image image = Render(sample.width, sample.height, ownTable ? 1 : 3, scene);
    BitmapLayout layout;
    layout.width = sample.width;
    layout.height = sample.height;
    layout.bitsPerPixel = sample.bitsPerPixel;
    if (ownTable)
        layout.colourTable = GLASS_TABLE;
    else if (sample.bitsPerPixel == 8)
        layout.colourTable = MedianCutTable(image, 255);
    const bool dither = sample.bitsPerPixel == 8;
    layout.pixel = [&image, dither](int32_t x, int32_t y) {
        return ToColour(dither ? Dithered(image.At(x, y), x, y) : image.At(x, y));
    };
    const std::string path = directory + "/" + sample.name;
    if (!WriteBitmapFile(path, layout)) {
        std::fprintf(stderr, "make_samples: cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %dx%d, %d bits per pixel\n", path.c_str(), sample.width, sample.height, sample.bitsPerPixel);
    return true;
}

template <typename SceneType>
std::function<Scene(double, double)> Make() {
    return [](double width, double height) { return Scene(SceneType(width, height)); };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples OUTPUT_DIR\n");
        return 2;
    }
    // Sizes from 300 to 800 pixels; the lake's sides are multiples of neither 3, 4 nor 5.
    const Sample samples[] = {
        {"Puzzle1.bmp", 637, 491, 8, Make<MountainLake>()}, {"Puzzle2.bmp", 800, 600, 4, Make<RoseWindow>()},
        {"Puzzle3.bmp", 300, 300, 24, Make<WallClock>()},   {"Puzzle4.bmp", 300, 360, 32, Make<Balloons>()},
        {"Puzzle5.bmp", 560, 420, 8, Make<Reef>()},
    };
    std::error_code ignored;
    std::filesystem::create_directories(argv[1], ignored);
    for (const Sample& sample : samples)
        if (!WriteSample(argv[1], sample))
            return 1;
    return 0;
}
