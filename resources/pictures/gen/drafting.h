#pragma once
// Engineering-drawing conventions on top of the canvas: the section drawn in black on a
// mask of its own (so that its centroid is known), a yellow bending axis, maroon
// dimension and extension lines with arrowheads, and black dimension names that never
// touch another mark.
#include "canvas.h"
#include "font.h"

#include <string>
#include <string_view>

namespace pictures {

inline constexpr Colour kBackground = Silver;
inline constexpr Colour kSection = Black;
inline constexpr Colour kDimension = Maroon;
inline constexpr Colour kName = Black;
inline constexpr Colour kAxis = Yellow;
inline constexpr Colour kLoad = Red;
inline constexpr int kArrow = 4; // arrowhead length of dimension lines

class Drawing {
  public:
    Drawing(std::string name, int width, int height);

    const std::string& name() const { return name_; }
    Canvas& canvas() { return canvas_; }
    // The section alone: drawn in black here, then put on the picture by finishSection.
    Canvas& section() { return section_; }

    // Copies the section onto the picture and draws the horizontal axis through its
    // centroid across the picture. Returns the axis row.
    int finishSection();
    int axisRow() const { return axisRow_; }

    // A horizontal dimension on row y between columns x0 and x1 (arrow tips on the
    // extension lines). Each extension line runs from its start row to 2 past the line.
    void horizontalDimension(int x0, int x1, int y, int start0, int start1);
    // A vertical dimension in column x between rows y0 and y1.
    void verticalDimension(int y0, int y1, int x, int start0, int start1);

    // The thickness of the plate of the section through (x, y): two arrows from outside
    // pointing at its two faces, across the plate vertically (plate horizontal) or
    // horizontally (plate vertical). Returns the far end of the arrow on the side named.
    struct Tails {
        int before; // row (vertical) or column (horizontal) where the first tail starts
        int after;
    };
    Tails plateThickness(int x, int y, bool vertical, int tail = 3);
    // The thickness of a plate between rows y0 and y1 measured beyond its end: extension
    // lines from column start along both faces to 2 past column x, and arrows from outside
    // onto them.
    Tails plateThicknessBeyond(int y0, int y1, int x, int start, int tail = 3);

    // The outermost section pixel of a row or column (first from the left, right, top or
    // bottom), for extension lines that must start clear of curved outlines.
    int leftmost(int row) const;
    Box sectionBox() const;
    int rightmost(int row) const;

    // Puts a name with the top-left corner of its ink at (left, top), or, if that spot
    // touches another mark, at the nearest clear spot along (dx, dy). Throws when no
    // spot within reach is clear, so that a crowded layout fails the build.
    Box label(std::string_view text, int left, int top, int dx, int dy);
    // Placement helpers that put a name beside a point: its ink right of, left of, above
    // or below (x, y), centred on the other axis and searched along that axis.
    Box labelRightOf(std::string_view text, int x, int y, int gap = 2);
    Box labelLeftOf(std::string_view text, int x, int y, int gap = 2);
    Box labelAbove(std::string_view text, int x, int y, int gap = 2);
    Box labelBelow(std::string_view text, int x, int y, int gap = 2);

  private:
    bool clear(const Box& box) const;

    std::string name_;
    Canvas canvas_;
    Canvas section_;
    int axisRow_ = -1;
};

} // namespace pictures
