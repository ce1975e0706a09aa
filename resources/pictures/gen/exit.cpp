// The exit image, 25 x 25: a gray X on black, its tips and inner corners navy; pressed,
// the same X on a silver square with rounded corners.
#include "pictures.h"

#include <cstdlib>

namespace pictures {

namespace {

constexpr int kSize = 25;
constexpr int kLow = 5, kHigh = 19; // the X spans these rows and columns
constexpr int kMid = 12;

bool onX(int x, int y) {
    if (x < kLow || x > kHigh || y < kLow || y > kHigh) {
        return false;
    }
    return std::abs(x - y) <= 1 || std::abs(x + y - 2 * kMid) <= 1;
}

void drawX(Canvas& c) {
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            if (onX(x, y)) {
                c.set(x, y, Gray);
            }
        }
    }
    // Edge pixels in navy: the two outer pixels of each of the four tips, and the three
    // pixels round the upper and the lower inner corner where the bars meet.
    const int tips[][2] = {{kLow, kLow + 1},   {kLow + 1, kLow},  {kHigh, kLow + 1},
                           {kHigh - 1, kLow},  {kLow, kHigh - 1}, {kLow + 1, kHigh},
                           {kHigh, kHigh - 1}, {kHigh - 1, kHigh}};
    for (const auto& p : tips) {
        c.set(p[0], p[1], Navy);
    }
    for (int side : {-1, 1}) {
        c.set(kMid - 1, kMid + 2 * side, Navy);
        c.set(kMid, kMid + side, Navy);
        c.set(kMid + 1, kMid + 2 * side, Navy);
    }
}

} // namespace

std::vector<Picture> exitPictures() {
    Canvas up(kSize, kSize, Black);
    drawX(up);

    Canvas down(kSize, kSize, Black);
    const int radius = 4;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            // Distance into a corner region, measured from the centre of its rounding.
            const int dx =
                x < radius ? radius - x : (x > kSize - 1 - radius ? x - (kSize - 1 - radius) : 0);
            const int dy =
                y < radius ? radius - y : (y > kSize - 1 - radius ? y - (kSize - 1 - radius) : 0);
            if (dx * dx + dy * dy <= radius * radius) {
                down.set(x, y, Silver);
            }
        }
    }
    drawX(down);
    return {{"EXIT_UP", up}, {"EXIT_DN", down}};
}

} // namespace pictures
