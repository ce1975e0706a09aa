// The logo, 50 x 25: "zolk" in red italic lower case on black. The letters are strokes in
// an upright frame, slanted by a shear when each pixel is tested.
#include "pictures.h"

#include <algorithm>
#include <cmath>

namespace pictures {

namespace {

struct Stroke {
    double x0, y0, x1, y1;
};

constexpr double kPen = 1.05;    // half the stroke width
constexpr double kBaseline = 20; // letters stand on this row
constexpr double kSlant = 0.27;  // shift to the right per row above the baseline

double distanceToSegment(double px, double py, const Stroke& s) {
    const double vx = s.x1 - s.x0, vy = s.y1 - s.y0;
    const double len2 = vx * vx + vy * vy;
    const double t =
        len2 == 0 ? 0 : std::clamp(((px - s.x0) * vx + (py - s.y0) * vy) / len2, 0.0, 1.0);
    return std::hypot(px - (s.x0 + t * vx), py - (s.y0 + t * vy));
}

// Letter shapes in the upright frame: x-height from row 9 to the baseline, ascenders
// from row 3.
bool inLetters(double x, double y) {
    static const Stroke strokes[] = {
        // z
        {4, 9.5, 11, 9.5},
        {11, 9.5, 4, 19.5},
        {4, 19.5, 11, 19.5},
        // l
        {26, 3.5, 26, 19.5},
        // k
        {31, 3.5, 31, 19.5},
        {37.5, 9.5, 31.5, 15.5},
        {33.5, 14, 38, 19.5},
    };
    for (const Stroke& s : strokes) {
        if (distanceToSegment(x, y, s) <= kPen) {
            return true;
        }
    }
    // o: an elliptical ring
    const double u = (x - 18.5) / 4.2, v = (y - 14.5) / 5.2;
    const double r = std::sqrt(u * u + v * v);
    const double pen = kPen / 4.7;
    return r <= 1 + pen && r >= 1 - pen;
}

} // namespace

Canvas logoPicture() {
    Canvas c(50, 25, Black);
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const double py = y + 0.5;
            const double px = x + 0.5 - (kBaseline - py) * kSlant;
            if (inLetters(px, py)) {
                c.set(x, y, Red);
            }
        }
    }
    return c;
}

} // namespace pictures
