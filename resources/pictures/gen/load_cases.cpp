// Beam load cases, 100 x 50: a black beam with its supports, the load in red, and for the
// point loads between supports the distance s from the left support.
#include "drafting.h"
#include "pictures.h"

namespace pictures {

namespace {

constexpr int kWidth = 100, kHeight = 50;
constexpr int kBeamTop = 20, kBeamRows = 3;
constexpr int kBeamBottom = kBeamTop + kBeamRows - 1;
constexpr int kLeftEnd = 14, kRightEnd = 85; // beam columns between clamps
constexpr int kLeftPin = 16, kRightPin = 83; // pin axes
constexpr int kDimensionRow = 42;

enum class Support { Clamp, Pin, Free };

// A wall: its face on the beam end, hatched on the far side.
void clamp(Canvas& c, int face, int outward) {
    const int top = kBeamTop - 11, bottom = kBeamBottom + 11;
    for (int i = 0; i < 2; ++i) {
        c.line(face + i * outward, top, face + i * outward, bottom, kSection);
    }
    const int x0 = outward < 0 ? face - 7 : face + 2;
    c.hatch(x0, top, 6, bottom - top + 1, 3, kSection);
}

// A triangle under the beam, its apex on the beam's underside, on hatched ground.
void pin(Canvas& c, int x) {
    const int apex = kBeamBottom + 1, base = apex + 8, half = 5;
    c.line(x, apex, x - half, base, kSection);
    c.line(x, apex, x + half, base, kSection);
    c.line(x - half, base, x + half, base, kSection);
    c.line(x - half - 2, base + 2, x + half + 2, base + 2, kSection);
    c.hatch(x - half - 2, base + 3, 2 * half + 5, 3, 3, kSection);
}

void pointLoad(Canvas& c, int x) {
    c.arrow(x, 3, x, kBeamTop - 1, kLoad, 5);
}

// A band with a row of arrows down onto the beam.
void lineLoad(Canvas& c, int x0, int x1) {
    // Inset by the half width of an arrowhead, clear of walls.
    const int a = x0 + 2, b = x1 - 2, n = 8;
    const int band = 8;
    c.fillRect(a, band - 1, b - a + 1, 2, kLoad);
    for (int i = 0; i <= n; ++i) {
        const int x = a + (b - a) * i / n;
        c.arrow(x, band + 1, x, kBeamTop - 1, kLoad, 4);
    }
}

struct Case {
    const char* name;
    Support support; // both ends; a free right end for the cantilevers
    bool cantilever;
    bool point;
};

Picture draw(const Case& k) {
    Drawing d(k.name, kWidth, kHeight);
    Canvas& c = d.canvas();
    const bool clamped = k.support == Support::Clamp;
    const int beam0 = clamped ? kLeftEnd : kLeftPin - 4;
    const int beam1 = k.cantilever ? kRightEnd : (clamped ? kRightEnd : kRightPin + 4);
    c.fillRect(beam0, kBeamTop, beam1 - beam0 + 1, kBeamRows, kSection);
    int support0 = kLeftEnd;
    if (clamped) {
        clamp(c, kLeftEnd - 1, -1);
        if (!k.cantilever) {
            clamp(c, kRightEnd + 1, 1);
        }
    } else {
        pin(c, kLeftPin);
        pin(c, kRightPin);
        support0 = kLeftPin;
    }
    if (!k.point) {
        lineLoad(c, beam0, beam1);
        return {d.name(), c};
    }
    if (k.cantilever) {
        pointLoad(c, beam1);
        return {d.name(), c};
    }
    const int at = 52;
    pointLoad(c, at);
    const int start0 = clamped ? kBeamBottom + 3 : kBeamBottom + 15;
    d.horizontalDimension(support0, at, kDimensionRow, start0, kBeamBottom + 3);
    d.labelAbove("s", (support0 + at) / 2, kDimensionRow);
    return {d.name(), c};
}

} // namespace

std::vector<Picture> loadCasePictures() {
    const Case cases[] = {
        {"BEAM_CONC_UP", Support::Clamp, false, true},
        {"BEAM_LINE_UP", Support::Clamp, false, false},
        {"BEAMP_CONC_UP", Support::Pin, false, true},
        {"BEAMP_LINE_UP", Support::Pin, false, false},
        {"CANTI_CONC_UP", Support::Clamp, true, true},
        {"CANTI_LINE_UP", Support::Clamp, true, false},
    };
    std::vector<Picture> all;
    for (const Case& k : cases) {
        all.push_back(draw(k));
    }
    return all;
}

} // namespace pictures
