// Cross-sections, 100 x 100. The section box is about 47 x 61 pixels so that the depth h,
// the dimension in the plane of bending, reads as the larger one; odd pixel counts keep
// symmetric sections symmetric about their middle row. The width w is dimensioned below
// the section, the height h on its left, thicknesses by arrows pointing at the plate.
#include "drafting.h"
#include "pictures.h"

#include <cmath>

namespace pictures {

namespace {

constexpr int kSize = 100;
constexpr int L = 30, R = 76; // columns of the section box
constexpr int T = 14, B = 74; // rows of the section box
constexpr int kWidthLine = 84;
constexpr int kHeightLine = 20;

void widthDimension(Drawing& d, int x0, int x1, int start0, int start1) {
    d.horizontalDimension(x0, x1, kWidthLine, start0, start1);
    d.labelBelow("w", (x0 + x1) / 2, kWidthLine);
}

void heightDimension(Drawing& d, int y0, int y1, int start0, int start1, int line = kHeightLine,
                     std::string_view name = "h") {
    d.verticalDimension(y0, y1, line, start0, start1);
    // The name in the middle of the longer stretch beside the axis, clear of it.
    const int axis = d.axisRow();
    const int y = axis - y0 >= y1 - axis ? (y0 + axis) / 2 : (axis + y1) / 2;
    d.labelLeftOf(name, line, y);
}

// The usual pair for a section that fills the box.
void boxDimensions(Drawing& d) {
    widthDimension(d, L, R, B + 3, B + 3);
    heightDimension(d, T, B, L - 3, L - 3);
}

// Names a plate thickness at (x, y), the name beside the tail on the given side.
enum class Side { Before, After };
void thickness(Drawing& d, std::string_view name, int x, int y, bool vertical, Side side) {
    const Drawing::Tails tails = d.plateThickness(x, y, vertical);
    const int end = side == Side::Before ? tails.before : tails.after;
    if (vertical) {
        // A vertical arrow pair; the name goes right of the tail's middle.
        const int mid = side == Side::Before ? end + 3 : end - 3;
        d.labelRightOf(name, x, mid);
    } else if (side == Side::After) {
        d.labelRightOf(name, end, y);
    } else {
        d.labelLeftOf(name, end, y);
    }
}

void fillBox(Canvas& c, int x0, int y0, int x1, int y1) {
    c.fillRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, kSection);
}

Picture finish(Drawing& d) {
    return {d.name(), d.canvas()};
}

Picture rect() {
    Drawing d("RECT_UP", kSize, kSize);
    const int l = 36, r = 70;
    fillBox(d.section(), l, T, r, B);
    d.finishSection();
    widthDimension(d, l, r, B + 3, B + 3);
    heightDimension(d, T, B, l - 3, l - 3);
    return finish(d);
}

Picture rectPipe() {
    Drawing d("RECTPIPE_UP", kSize, kSize);
    const int t1 = 7, t2 = 5;
    fillBox(d.section(), L, T, R, B);
    d.section().fillRect(L + t2, T + t1, R - L + 1 - 2 * t2, B - T + 1 - 2 * t1, kBackground);
    d.finishSection();
    boxDimensions(d);
    thickness(d, "t1", 58, T + 2, true, Side::After);
    thickness(d, "t2", L + 2, 60, false, Side::After);
    return finish(d);
}

Picture triangle() {
    Drawing d("TRIANGLE_UP", kSize, kSize);
    const double apex = (L + R + 1) / 2.0;
    d.section().fillPolygon({{double(L), B + 1.0}, {R + 1.0, B + 1.0}, {apex, double(T)}},
                            kSection);
    d.finishSection();
    widthDimension(d, L, R, B + 3, B + 3);
    heightDimension(d, T, B, int(apex) - 3, L - 3);
    return finish(d);
}

Picture trapezoid() {
    Drawing d("TRAPEZ_UP", kSize, kSize);
    const int top = T + 10, s0 = 43, s1 = 63;
    d.section().fillPolygon({{double(L), B + 1.0},
                             {R + 1.0, B + 1.0},
                             {s1 + 1.0, double(top)},
                             {double(s0), double(top)}},
                            kSection);
    d.finishSection();
    widthDimension(d, L, R, B + 3, B + 3);
    heightDimension(d, top, B, s0 - 3, L - 3);
    const int sLine = top - 7;
    d.horizontalDimension(s0, s1, sLine, top - 3, top - 3);
    d.labelAbove("s", (s0 + s1) / 2, sLine);
    return finish(d);
}

Picture doubleT() {
    Drawing d("DOUBLET_UP", kSize, kSize);
    const int t1 = 7, t2 = 5, mid = (L + R) / 2;
    fillBox(d.section(), L, T, R, T + t1 - 1);
    fillBox(d.section(), L, B - t1 + 1, R, B);
    fillBox(d.section(), mid - t2 / 2, T, mid + t2 / 2, B);
    d.finishSection();
    boxDimensions(d);
    thickness(d, "t1", R - 6, T + 2, true, Side::After);
    thickness(d, "t2", mid, 58, false, Side::After);
    return finish(d);
}

Picture hProfile() {
    Drawing d("HPROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 7, mid = (T + B) / 2;
    fillBox(d.section(), L, T, L + t2 - 1, B);
    fillBox(d.section(), R - t2 + 1, T, R, B);
    fillBox(d.section(), L, mid - t1 / 2, R, mid + t1 / 2);
    d.finishSection();
    boxDimensions(d);
    thickness(d, "t1", 58, mid, true, Side::Before);
    thickness(d, "t2", R - 2, 24, false, Side::After);
    return finish(d);
}

// Regular polygon with horizontal flats, s across them, centred in the box.
Picture polygon(const char* name, int corners) {
    Drawing d(name, kSize, kSize);
    const double s = 51, cx = 57, cy = (T + B + 1) / 2.0;
    const double pi = std::acos(-1.0);
    const double radius = s / 2 / std::cos(pi / corners);
    std::vector<Point> points;
    for (int i = 0; i < corners; ++i) {
        // Start half a step off the vertical so that the top and bottom are flats.
        const double a = pi / 2 + pi / corners + 2 * pi * i / corners;
        points.push_back({cx + radius * std::cos(a), cy - radius * std::sin(a)});
    }
    d.section().fillPolygon(points, kSection);
    d.finishSection();
    const int top = int(std::lround(cy - s / 2));
    const int bottom = int(std::lround(cy + s / 2)) - 1;
    const int flatLeft = int(std::lround(cx - radius * std::sin(pi / corners)));
    heightDimension(d, top, bottom, flatLeft - 3, flatLeft - 3, kHeightLine, "s");
    return finish(d);
}

Picture lProfile() {
    Drawing d("LPROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 5;
    fillBox(d.section(), L, T, R, T + t1 - 1);
    fillBox(d.section(), L, T, L + t2 - 1, B);
    d.finishSection();
    widthDimension(d, L, R, B + 3, T + t1 + 2);
    heightDimension(d, T, B, L - 3, L - 3);
    thickness(d, "t1", 58, T + 2, true, Side::After);
    thickness(d, "t2", L + 2, 60, false, Side::After);
    return finish(d);
}

// The width goes above the flange here, so that its extension lines do not cross those of
// the height; the flange thickness is then marked beyond the flange's end.
Picture tProfile() {
    Drawing d("TPROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 5, mid = (L + R) / 2, top = T + 10, bottom = B + 10;
    fillBox(d.section(), L, top, R, top + t1 - 1);
    fillBox(d.section(), mid - t2 / 2, top, mid + t2 / 2, bottom);
    d.finishSection();
    const int wLine = top - 8;
    d.horizontalDimension(L, R, wLine, top - 3, top - 3);
    d.labelAbove("w", mid, wLine);
    heightDimension(d, top, bottom, L - 3, mid - t2 / 2 - 3);
    d.plateThicknessBeyond(top, top + t1 - 1, R + 6, R + 3);
    d.labelRightOf("t1", R + 8, top + t1 / 2);
    thickness(d, "t2", mid, 66, false, Side::After);
    return finish(d);
}

Picture t2Profile() {
    Drawing d("T2PROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 7, mid = (T + B) / 2;
    fillBox(d.section(), L, T, L + t2 - 1, B);
    fillBox(d.section(), L, mid - t1 / 2, R, mid + t1 / 2);
    d.finishSection();
    widthDimension(d, L, R, B + 3, mid + t1 / 2 + 3);
    heightDimension(d, T, B, L - 3, L - 3);
    thickness(d, "t1", R - 8, mid, true, Side::Before);
    thickness(d, "t2", L + 2, 24, false, Side::After);
    return finish(d);
}

Picture uProfile() {
    Drawing d("UPROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 5;
    fillBox(d.section(), L, T, R, T + t1 - 1);
    fillBox(d.section(), L, T, L + t2 - 1, B);
    fillBox(d.section(), R - t2 + 1, T, R, B);
    d.finishSection();
    boxDimensions(d);
    thickness(d, "t1", (L + R) / 2, T + 2, true, Side::After);
    thickness(d, "t2", R - 2, 62, false, Side::After);
    return finish(d);
}

Picture cProfile() {
    Drawing d("CPROFILE_UP", kSize, kSize);
    const int t1 = 7, t2 = 5;
    fillBox(d.section(), L, T, R, T + t1 - 1);
    fillBox(d.section(), L, B - t1 + 1, R, B);
    fillBox(d.section(), L, T, L + t2 - 1, B);
    d.finishSection();
    boxDimensions(d);
    thickness(d, "t1", R - 8, T + 2, true, Side::After);
    thickness(d, "t2", L + 2, 58, false, Side::After);
    return finish(d);
}

Picture cross() {
    Drawing d("CROSS_UP", kSize, kSize);
    const int t1 = 7, t2 = 5, midX = (L + R) / 2, midY = (T + B) / 2;
    fillBox(d.section(), L, midY - t1 / 2, R, midY + t1 / 2);
    fillBox(d.section(), midX - t2 / 2, T, midX + t2 / 2, B);
    d.finishSection();
    widthDimension(d, L, R, midY + t1 / 2 + 3, midY + t1 / 2 + 3);
    heightDimension(d, T, B, midX - t2 / 2 - 3, midX - t2 / 2 - 3);
    thickness(d, "t1", R - 6, midY, true, Side::Before);
    thickness(d, "t2", midX, 22, false, Side::After);
    return finish(d);
}

// The first pixel from (x, y) along (dx, dy) whose colour differs from the start's.
std::pair<int, int> firstChange(const Canvas& c, int x, int y, int dx, int dy) {
    const Colour start = c.at(x, y);
    while (c.contains(x, y) && c.at(x, y) == start) {
        x += dx;
        y += dy;
    }
    return {x, y};
}

Picture circle() {
    Drawing d("CIRCLE_UP", kSize, kSize);
    const double cx = 52.5, cy = 47.5, r1 = 33, r2 = 22;
    d.section().fillCircle(cx, cy, r1, kSection);
    d.section().fillCircle(cx, cy, r2, kBackground);
    const int axis = d.finishSection();
    Canvas& c = d.canvas();
    const int ox = int(cx), oy = axis;
    // r1 runs from the centre through the ring; its arrow sits outside, on the outer edge.
    const auto [ix, iy] = firstChange(d.section(), ox, oy, 1, -1); // inner edge
    const auto [ex, ey] = firstChange(d.section(), ix, iy, 1, -1); // just outside
    c.line(ox, oy, ex + 6, ey - 6, kDimension);
    c.arrowhead(ex, ey, -1, 1, kDimension, 5);
    d.labelRightOf("r1", ex + 6, ey - 6, 2);
    // r2 runs from the centre to the inner edge, the arrow inside the hole.
    const auto [jx, jy] = firstChange(d.section(), ox, oy, -1, -1);
    c.arrow(ox, oy, jx + 1, jy + 1, kDimension, 5);
    d.label("r2", ox - 16, oy - 7, -1, 0);
    return finish(d);
}

Picture oval() {
    Drawing d("OVAL_UP", kSize, kSize);
    const double cx = 56.5, cy = 44.5, rx = 29, ry = 22;
    const double t1 = 6, t2 = 8;
    d.section().fillEllipse(cx, cy, rx, ry, kSection);
    d.section().fillEllipse(cx, cy, rx - t2, ry - t1, kBackground);
    const int axis = d.finishSection();
    const Box box = d.sectionBox();
    const int left = box.left, right = box.right, top = box.top, bottom = box.bottom;
    widthDimension(d, left, right, axis + 4, axis + 4);
    heightDimension(d, top, bottom, d.leftmost(top) - 3, d.leftmost(bottom) - 3);
    thickness(d, "t1", int(cx) + 4, top + 1, true, Side::After);
    thickness(d, "t2", right - 1, axis + 3, false, Side::Before);
    return finish(d);
}

} // namespace

std::vector<Picture> sectionPictures() {
    std::vector<Picture> all;
    all.push_back(rect());
    all.push_back(rectPipe());
    all.push_back(doubleT());
    all.push_back(hProfile());
    all.push_back(polygon("POLY6_UP", 6));
    all.push_back(polygon("POLY8_UP", 8));
    all.push_back(lProfile());
    all.push_back(tProfile());
    all.push_back(t2Profile());
    all.push_back(uProfile());
    all.push_back(cProfile());
    all.push_back(circle());
    all.push_back(oval());
    all.push_back(triangle());
    all.push_back(trapezoid());
    all.push_back(cross());
    return all;
}

} // namespace pictures
