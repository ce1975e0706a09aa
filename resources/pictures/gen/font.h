#pragma once
// Built-in pixel fonts, so that no system font is involved: a small lower-case one for the
// dimension names of the pictures (w, h, t1, t2, r1, r2, s) and a 3x5 capital one for
// picture names.
#include "canvas.h"

#include <string_view>
#include <utility>
#include <vector>

namespace pictures {

enum class Font { Label, Caps };

// The inked pixels of a text, relative to the top-left corner of its ink box.
std::vector<std::pair<int, int>> textPixels(std::string_view text, Font font);
// The size of the ink box of a text (left and top are 0).
Box textBox(std::string_view text, Font font);
// Draws the text with the top-left corner of its ink box at (x, y).
void drawText(Canvas& canvas, int x, int y, std::string_view text, Colour c,
              Font font = Font::Label);

} // namespace pictures
