#include "font.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>

namespace pictures {

namespace {

struct Glyph {
    char ch;
    std::vector<std::string_view> rows; // '#' is ink; all rows of a font have one height
};

// Lower case with a 5-pixel x-height and 2 pixels of ascender; digits are 5 high, like
// subscripts beside the letters.
const std::vector<Glyph>& labelGlyphs() {
    static const std::vector<Glyph> glyphs = {
        {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
        {'h', {"#...", "#...", "###.", "#..#", "#..#", "#..#", "#..#"}},
        {'t', {".#.", ".#.", "###", ".#.", ".#.", ".#.", "..#"}},
        {'r', {"...", "...", "#.#", "##.", "#..", "#..", "#.."}},
        {'s', {"....", "....", ".###", "#...", ".##.", "...#", "###."}},
        {'1', {"...", "...", ".#.", "##.", ".#.", ".#.", "###"}},
        {'2', {"...", "...", "##.", "..#", ".#.", "#..", "###"}},
    };
    return glyphs;
}

const std::vector<Glyph>& capsGlyphs() {
    static const std::vector<Glyph> glyphs = {
        {'A', {".#.", "#.#", "###", "#.#", "#.#", "..."}},
        {'B', {"##.", "#.#", "##.", "#.#", "##.", "..."}},
        {'C', {".##", "#..", "#..", "#..", ".##", "..."}},
        {'D', {"##.", "#.#", "#.#", "#.#", "##.", "..."}},
        {'E', {"###", "#..", "##.", "#..", "###", "..."}},
        {'F', {"###", "#..", "##.", "#..", "#..", "..."}},
        {'G', {".##", "#..", "#.#", "#.#", ".##", "..."}},
        {'H', {"#.#", "#.#", "###", "#.#", "#.#", "..."}},
        {'I', {"###", ".#.", ".#.", ".#.", "###", "..."}},
        {'J', {"..#", "..#", "..#", "#.#", ".#.", "..."}},
        {'K', {"#.#", "#.#", "##.", "#.#", "#.#", "..."}},
        {'L', {"#..", "#..", "#..", "#..", "###", "..."}},
        {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#", "....."}},
        {'N', {"#..#", "##.#", "#.##", "#..#", "#..#", "...."}},
        {'O', {".#.", "#.#", "#.#", "#.#", ".#.", "..."}},
        {'P', {"##.", "#.#", "##.", "#..", "#..", "..."}},
        {'Q', {".#.", "#.#", "#.#", "##.", ".##", "..."}},
        {'R', {"##.", "#.#", "##.", "#.#", "#.#", "..."}},
        {'S', {".##", "#..", ".#.", "..#", "##.", "..."}},
        {'T', {"###", ".#.", ".#.", ".#.", ".#.", "..."}},
        {'U', {"#.#", "#.#", "#.#", "#.#", "###", "..."}},
        {'V', {"#.#", "#.#", "#.#", "#.#", ".#.", "..."}},
        {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#", "....."}},
        {'X', {"#.#", "#.#", ".#.", "#.#", "#.#", "..."}},
        {'Y', {"#.#", "#.#", ".#.", ".#.", ".#.", "..."}},
        {'Z', {"###", "..#", ".#.", "#..", "###", "..."}},
        {'0', {"###", "#.#", "#.#", "#.#", "###", "..."}},
        {'1', {".#.", "##.", ".#.", ".#.", "###", "..."}},
        {'2', {"##.", "..#", ".#.", "#..", "###", "..."}},
        {'3', {"##.", "..#", ".#.", "..#", "##.", "..."}},
        {'4', {"#.#", "#.#", "###", "..#", "..#", "..."}},
        {'5', {"###", "#..", "##.", "..#", "##.", "..."}},
        {'6', {".##", "#..", "###", "#.#", "###", "..."}},
        {'7', {"###", "..#", ".#.", ".#.", ".#.", "..."}},
        {'8', {"###", "#.#", "###", "#.#", "###", "..."}},
        {'9', {"###", "#.#", "###", "..#", "##.", "..."}},
        {'_', {"...", "...", "...", "...", "...", "###"}},
        {' ', {"..", "..", "..", "..", "..", ".."}},
    };
    return glyphs;
}

const Glyph& glyph(char ch, Font font) {
    const auto& glyphs = font == Font::Label ? labelGlyphs() : capsGlyphs();
    const auto it =
        std::find_if(glyphs.begin(), glyphs.end(), [ch](const Glyph& g) { return g.ch == ch; });
    if (it == glyphs.end()) {
        throw std::invalid_argument(std::string("no glyph for '") + ch + "'");
    }
    return *it;
}

} // namespace

std::vector<std::pair<int, int>> textPixels(std::string_view text, Font font) {
    std::vector<std::pair<int, int>> ink;
    int pen = 0;
    for (char ch : text) {
        const Glyph& g = glyph(ch, font);
        for (std::size_t row = 0; row < g.rows.size(); ++row) {
            for (std::size_t col = 0; col < g.rows[row].size(); ++col) {
                if (g.rows[row][col] == '#') {
                    ink.emplace_back(pen + int(col), int(row));
                }
            }
        }
        pen += int(g.rows[0].size()) + 1;
    }
    int left = INT_MAX, top = INT_MAX;
    for (const auto& [x, y] : ink) {
        left = std::min(left, x);
        top = std::min(top, y);
    }
    for (auto& [x, y] : ink) {
        x -= left;
        y -= top;
    }
    return ink;
}

Box textBox(std::string_view text, Font font) {
    Box box{0, 0, -1, -1};
    for (const auto& [x, y] : textPixels(text, font)) {
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}

void drawText(Canvas& canvas, int x, int y, std::string_view text, Colour c, Font font) {
    for (const auto& [i, j] : textPixels(text, font)) {
        canvas.set(x + i, y + j, c);
    }
}

} // namespace pictures
