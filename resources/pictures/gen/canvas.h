#pragma once
// A small indexed raster with the drawing primitives the pictures need. No antialiasing:
// every primitive sets whole pixels, so the output is the same on every machine.
//
// Coordinates: pixel (x, y) covers the square [x, x+1) x [y, y+1). Integer primitives
// (set, line, rectangles) address pixels; polygons and ellipses take continuous
// coordinates and fill the pixels whose centres lie inside.
#include "palette.h"

#include <string>
#include <vector>

namespace pictures {

struct Point {
    double x, y;
};

struct Box {
    int left, top, right, bottom; // inclusive pixel bounds
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

class Canvas {
  public:
    Canvas(int width, int height, Colour background);

    int width() const { return width_; }
    int height() const { return height_; }
    Colour background() const { return background_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    Colour at(int x, int y) const { return pixels_[index(x, y)]; }
    const std::vector<Colour>& pixels() const { return pixels_; }

    void set(int x, int y, Colour c); // ignores pixels outside the canvas
    void line(int x0, int y0, int x1, int y1, Colour c);
    void dashedLine(int x0, int y0, int x1, int y1, int on, int off, Colour c);
    void fillRect(int x, int y, int w, int h, Colour c);
    void rect(int x, int y, int w, int h, Colour c);
    void fillPolygon(const std::vector<Point>& points, Colour c);
    void fillEllipse(double cx, double cy, double rx, double ry, Colour c);
    void ellipse(double cx, double cy, double rx, double ry, Colour c);
    void fillCircle(double cx, double cy, double r, Colour c) { fillEllipse(cx, cy, r, r, c); }
    void circle(double cx, double cy, double r, Colour c) { ellipse(cx, cy, r, r, c); }

    // A filled arrowhead whose tip is pixel (x, y), pointing along (dx, dy).
    void arrowhead(int x, int y, double dx, double dy, Colour c, int length = 4);
    // A shaft from (x0, y0) to (x1, y1) with an arrowhead at (x1, y1).
    void arrow(int x0, int y0, int x1, int y1, Colour c, int head = 4);

    // Diagonal hatching (45 degrees, rising to the right) of a rectangle.
    void hatch(int x, int y, int w, int h, int pitch, Colour c);

    void replace(Colour from, Colour to);
    // Every pixel of colour c, drawn onto this canvas from another of the same size.
    void overlay(const Canvas& other, Colour c);
    int count(Colour c) const;
    // The row that holds the centroid of all pixels of colour c.
    int centroidRow(Colour c) const;

  private:
    std::size_t index(int x, int y) const { return std::size_t(y) * width_ + x; }

    int width_;
    int height_;
    Colour background_;
    std::vector<Colour> pixels_;
};

} // namespace pictures
