#include "drafting.h"

#include <algorithm>
#include <stdexcept>

namespace pictures {

Drawing::Drawing(std::string name, int width, int height)
    : name_(std::move(name)), canvas_(width, height, kBackground),
      section_(width, height, kBackground) {}

int Drawing::finishSection() {
    canvas_.overlay(section_, kSection);
    axisRow_ = section_.centroidRow(kSection);
    // One pixel of background stays all round, so that the tile keeps its edge.
    canvas_.line(1, axisRow_, canvas_.width() - 2, axisRow_, kAxis);
    return axisRow_;
}

void Drawing::horizontalDimension(int x0, int x1, int y, int start0, int start1) {
    const int s0 = start0 < y ? 1 : -1;
    const int s1 = start1 < y ? 1 : -1;
    canvas_.line(x0, start0, x0, y + 2 * s0, kDimension);
    canvas_.line(x1, start1, x1, y + 2 * s1, kDimension);
    canvas_.line(x0, y, x1, y, kDimension);
    canvas_.arrowhead(x0, y, -1, 0, kDimension, kArrow);
    canvas_.arrowhead(x1, y, 1, 0, kDimension, kArrow);
}

void Drawing::verticalDimension(int y0, int y1, int x, int start0, int start1) {
    const int s0 = start0 < x ? 1 : -1;
    const int s1 = start1 < x ? 1 : -1;
    canvas_.line(start0, y0, x + 2 * s0, y0, kDimension);
    canvas_.line(start1, y1, x + 2 * s1, y1, kDimension);
    canvas_.line(x, y0, x, y1, kDimension);
    canvas_.arrowhead(x, y0, 0, -1, kDimension, kArrow);
    canvas_.arrowhead(x, y1, 0, 1, kDimension, kArrow);
}

Drawing::Tails Drawing::plateThickness(int x, int y, bool vertical, int tail) {
    const int dx = vertical ? 0 : 1;
    const int dy = vertical ? 1 : 0;
    auto inPlate = [&](int i) {
        const int px = x + i * dx;
        const int py = y + i * dy;
        return section_.contains(px, py) && section_.at(px, py) == kSection;
    };
    if (!inPlate(0)) {
        throw std::logic_error(name_ + ": thickness marked off the section");
    }
    int before = 0;
    while (inPlate(before - 1)) {
        --before;
    }
    int after = 0;
    while (inPlate(after + 1)) {
        ++after;
    }
    // Tips on the pixels just outside the two faces, shafts leading away from the plate.
    const int length = kArrow + tail;
    const int b = before - 1;
    const int a = after + 1;
    canvas_.arrow(x + (b - length) * dx, y + (b - length) * dy, x + b * dx, y + b * dy, kDimension,
                  kArrow);
    canvas_.arrow(x + (a + length) * dx, y + (a + length) * dy, x + a * dx, y + a * dy, kDimension,
                  kArrow);
    const int origin = vertical ? y : x;
    return {origin + b - length, origin + a + length};
}

Drawing::Tails Drawing::plateThicknessBeyond(int y0, int y1, int x, int start, int tail) {
    const int s = start < x ? 1 : -1;
    canvas_.line(start, y0, x + 2 * s, y0, kDimension);
    canvas_.line(start, y1, x + 2 * s, y1, kDimension);
    const int length = kArrow + tail;
    canvas_.arrow(x, y0 - length, x, y0, kDimension, kArrow);
    canvas_.arrow(x, y1 + length, x, y1, kDimension, kArrow);
    return {y0 - length, y1 + length};
}

int Drawing::leftmost(int row) const {
    for (int x = 0; x < section_.width(); ++x) {
        if (section_.at(x, row) == kSection) {
            return x;
        }
    }
    throw std::logic_error(name_ + ": empty row");
}

int Drawing::rightmost(int row) const {
    for (int x = section_.width() - 1; x >= 0; --x) {
        if (section_.at(x, row) == kSection) {
            return x;
        }
    }
    throw std::logic_error(name_ + ": empty row");
}

Box Drawing::sectionBox() const {
    Box box{section_.width(), section_.height(), -1, -1};
    for (int y = 0; y < section_.height(); ++y) {
        for (int x = 0; x < section_.width(); ++x) {
            if (section_.at(x, y) == kSection) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                       std::max(box.bottom, y)};
            }
        }
    }
    return box;
}

bool Drawing::clear(const Box& box) const {
    for (int y = box.top - 1; y <= box.bottom + 1; ++y) {
        for (int x = box.left - 1; x <= box.right + 1; ++x) {
            if (!canvas_.contains(x, y) || x == 0 || y == 0 || x == canvas_.width() - 1 ||
                y == canvas_.height() - 1 || canvas_.at(x, y) != kBackground) {
                return false;
            }
        }
    }
    return true;
}

Box Drawing::label(std::string_view text, int left, int top, int dx, int dy) {
    const Box size = textBox(text, Font::Label);
    for (int step = 0; step <= 40; ++step) {
        const int k = step % 2 == 0 ? step / 2 : -(step + 1) / 2; // 0, -1, 1, -2, 2, ...
        const Box box{left + k * dx, top + k * dy, left + k * dx + size.right,
                      top + k * dy + size.bottom};
        if (clear(box)) {
            drawText(canvas_, box.left, box.top, text, kName, Font::Label);
            return box;
        }
    }
    throw std::runtime_error(name_ + ": no room for the name " + std::string(text));
}

Box Drawing::labelRightOf(std::string_view text, int x, int y, int gap) {
    const Box size = textBox(text, Font::Label);
    return label(text, x + gap + 1, y - size.bottom / 2, 0, 1);
}

Box Drawing::labelLeftOf(std::string_view text, int x, int y, int gap) {
    const Box size = textBox(text, Font::Label);
    return label(text, x - gap - 1 - size.right, y - size.bottom / 2, 0, 1);
}

Box Drawing::labelAbove(std::string_view text, int x, int y, int gap) {
    const Box size = textBox(text, Font::Label);
    return label(text, x - size.right / 2, y - gap - 1 - size.bottom, 1, 0);
}

Box Drawing::labelBelow(std::string_view text, int x, int y, int gap) {
    const Box size = textBox(text, Font::Label);
    return label(text, x - size.right / 2, y + gap + 1, 1, 0);
}

} // namespace pictures
