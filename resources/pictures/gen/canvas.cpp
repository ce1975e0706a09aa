#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace pictures {

Canvas::Canvas(int width, int height, Colour background)
    : width_(width), height_(height), background_(background),
      pixels_(std::size_t(width) * height, background) {
    if (width <= 0 || height <= 0) {
        throw std::invalid_argument("empty canvas");
    }
}

void Canvas::set(int x, int y, Colour c) {
    if (contains(x, y)) {
        pixels_[index(x, y)] = c;
    }
}

void Canvas::line(int x0, int y0, int x1, int y1, Colour c) {
    dashedLine(x0, y0, x1, y1, 1, 0, c);
}

void Canvas::dashedLine(int x0, int y0, int x1, int y1, int on, int off, Colour c) {
    // Bresenham, so that the same end points always give the same pixels.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int step = 0;; ++step) {
        if (step % (on + off) < on) {
            set(x0, y0, c);
        }
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            set(i, j, c);
        }
    }
}

void Canvas::rect(int x, int y, int w, int h, Colour c) {
    line(x, y, x + w - 1, y, c);
    line(x, y + h - 1, x + w - 1, y + h - 1, c);
    line(x, y, x, y + h - 1, c);
    line(x + w - 1, y, x + w - 1, y + h - 1, c);
}

void Canvas::fillPolygon(const std::vector<Point>& points, Colour c) {
    const std::size_t n = points.size();
    std::vector<double> xs;
    for (int y = 0; y < height_; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % n];
            if ((a.y <= yc) != (b.y <= yc)) {
                xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            // Pixel centres in [xs[i], xs[i+1]); the small margin keeps mirrored shapes
            // mirrored despite rounding.
            const int from = int(std::ceil(xs[i] - 0.5 - 1e-9));
            const int to = int(std::ceil(xs[i + 1] - 0.5 - 1e-9));
            for (int x = from; x < to; ++x) {
                set(x, y, c);
            }
        }
    }
}

namespace {
bool insideEllipse(int x, int y, double cx, double cy, double rx, double ry) {
    const double u = (x + 0.5 - cx) / rx;
    const double v = (y + 0.5 - cy) / ry;
    // Strictly inside: a pixel centre exactly on the curve would stick out as a spike.
    return u * u + v * v < 1.0 - 1e-9;
}
} // namespace

void Canvas::fillEllipse(double cx, double cy, double rx, double ry, Colour c) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (insideEllipse(x, y, cx, cy, rx, ry)) {
                set(x, y, c);
            }
        }
    }
}

void Canvas::ellipse(double cx, double cy, double rx, double ry, Colour c) {
    // The boundary pixels of the filled ellipse: inside, with a side neighbour outside.
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (insideEllipse(x, y, cx, cy, rx, ry) && (!insideEllipse(x - 1, y, cx, cy, rx, ry) ||
                                                        !insideEllipse(x + 1, y, cx, cy, rx, ry) ||
                                                        !insideEllipse(x, y - 1, cx, cy, rx, ry) ||
                                                        !insideEllipse(x, y + 1, cx, cy, rx, ry))) {
                set(x, y, c);
            }
        }
    }
}

void Canvas::arrowhead(int x, int y, double dx, double dy, Colour c, int length) {
    const double norm = std::hypot(dx, dy);
    dx /= norm;
    dy /= norm;
    if (std::abs(dx) < 1e-9 || std::abs(dy) < 1e-9) {
        // Along an axis: rows of 1, 3, 3, 5, ... pixels behind the tip, crisp at any size.
        const int ux = int(std::lround(dx));
        const int uy = int(std::lround(dy));
        for (int i = 0; i < length; ++i) {
            const int half = (i + 1) / 2;
            for (int k = -half; k <= half; ++k) {
                set(x - i * ux + k * uy, y - i * uy + k * ux, c);
            }
        }
        return;
    }
    const Point tip{x + 0.5 + 0.5 * dx, y + 0.5 + 0.5 * dy};
    const double back = length + 0.5;
    const double half = 0.55 * length;
    const Point base{tip.x - back * dx, tip.y - back * dy};
    fillPolygon(
        {tip, {base.x - half * dy, base.y + half * dx}, {base.x + half * dy, base.y - half * dx}},
        c);
    set(x, y, c);
}

void Canvas::arrow(int x0, int y0, int x1, int y1, Colour c, int head) {
    line(x0, y0, x1, y1, c);
    arrowhead(x1, y1, x1 - x0, y1 - y0, c, head);
}

void Canvas::hatch(int x, int y, int w, int h, int pitch, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if ((i + j) % pitch == 0) {
                set(i, j, c);
            }
        }
    }
}

void Canvas::replace(Colour from, Colour to) {
    std::replace(pixels_.begin(), pixels_.end(), from, to);
}

void Canvas::overlay(const Canvas& other, Colour c) {
    if (other.width_ != width_ || other.height_ != height_) {
        throw std::invalid_argument("overlay of a canvas of another size");
    }
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        if (other.pixels_[i] == c) {
            pixels_[i] = c;
        }
    }
}

int Canvas::count(Colour c) const {
    return int(std::count(pixels_.begin(), pixels_.end(), c));
}

int Canvas::centroidRow(Colour c) const {
    double sum = 0;
    int n = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (at(x, y) == c) {
                sum += y + 0.5;
                ++n;
            }
        }
    }
    if (n == 0) {
        throw std::logic_error("centroid of nothing");
    }
    return int(std::floor(sum / n));
}

} // namespace pictures
