// Columns, 50 x 100: a vertical black column with the axial load in red on its top, the
// base clamped into hatched ground or on a pin, the top free, pinned and held sideways,
// or sliding between two guides.
#include "drafting.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kWidth = 50, kHeight = 100;
constexpr int kColumn0 = 23, kColumn1 = 26; // the column's four pixel columns
constexpr int kMid = 24;                    // where the load and the pins sit
constexpr int kGround = 88;                 // top row of the ground under every base

enum class Base { Clamp, Pin };
enum class Top { Free, Pin, Slide };

void column(Canvas& c, int top, int bottom) {
    c.fillRect(kColumn0, top, kColumn1 - kColumn0 + 1, bottom - top + 1, kSection);
}

void ground(Canvas& c, int x0, int x1) {
    c.fillRect(x0, kGround, x1 - x0 + 1, 2, kSection);
    c.hatch(x0, kGround + 2, x1 - x0 + 1, 6, 3, kSection);
}

// A hinge: a small ring, its centre at (x, y).
void hinge(Canvas& c, int x, int y) {
    c.fillRect(x - 1, y - 2, 4, 6, kSection);
    c.fillRect(x - 2, y - 1, 6, 4, kSection);
    c.fillRect(x, y, 2, 2, kBackground);
}

// Returns the row of the column's foot.
int base(Canvas& c, Base b) {
    if (b == Base::Clamp) {
        ground(c, 10, 39);
        return kGround - 1;
    }
    const int apex = kGround - 11, half = 7;
    c.line(kMid, apex, kMid - half, kGround - 1, kSection);
    c.line(kMid + 1, apex, kMid + 1 + half, kGround - 1, kSection);
    c.line(kMid - half, kGround - 1, kMid + 1 + half, kGround - 1, kSection);
    hinge(c, kMid, apex - 2);
    ground(c, 13, 36);
    return apex - 5;
}

struct Head {
    int column; // first row of the column
    int load;   // row of the load arrow's tip
};

Head top(Canvas& c, Top t) {
    switch (t) {
    case Top::Free:
        return {14, 13};
    case Top::Pin: {
        // A hinge held sideways by a pin bearing against a wall on the right.
        const int y = 17;
        hinge(c, kMid, y);
        const int apex = kMid + 4, base = apex + 7;
        c.line(apex, y, base, y - 5, kSection);
        c.line(apex, y + 1, base, y + 6, kSection);
        c.line(base, y - 5, base, y + 6, kSection);
        c.fillRect(base + 2, y - 9, 2, 20, kSection);
        c.hatch(base + 4, y - 9, 5, 20, 3, kSection);
        return {y + 4, y - 3};
    }
    case Top::Slide: {
        // A head that cannot turn, between two guides that let it move along the column.
        const int head = 15;
        c.fillRect(kColumn0 - 3, head, kColumn1 - kColumn0 + 7, 5, kSection);
        for (int side : {-1, 1}) {
            const int face = side < 0 ? kColumn0 - 5 : kColumn1 + 5;
            c.fillRect(face, 8, 1, 24, kSection);
            c.hatch(side < 0 ? face - 5 : face + 1, 8, 5, 24, 3, kSection);
        }
        return {head + 5, head - 1};
    }
    }
    return {14, 13};
}

struct Case {
    const char* name;
    Base base;
    Top top;
};

Picture draw(const Case& k) {
    Drawing d(k.name, kWidth, kHeight);
    Canvas& c = d.canvas();
    const int foot = base(c, k.base);
    const Head head = top(c, k.top);
    column(c, head.column, foot);
    c.arrow(kMid, 2, kMid, head.load, kLoad, 5);
    c.arrow(kMid + 1, 2, kMid + 1, head.load, kLoad, 5);
    return {d.name(), c};
}

} // namespace

std::vector<Picture> columnPictures() {
    const Case cases[] = {
        {"BUCK_FREE_UP", Base::Clamp, Top::Free},
        {"BUCK_PIN1_UP", Base::Clamp, Top::Pin},
        {"BUCK_PIN2_UP", Base::Pin, Top::Pin},
        {"BUCK_SLIDE_UP", Base::Clamp, Top::Slide},
    };
    std::vector<Picture> all;
    for (const Case& k : cases) {
        all.push_back(draw(k));
    }
    return all;
}

} // namespace pictures
