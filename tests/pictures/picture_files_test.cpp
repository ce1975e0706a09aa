// The picture files as the build wrote them: format, palette, the pressed-from-released
// rule, the exit pair, the logo and the icon.
#include "bitmap_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace picture_test {
namespace {

struct Button {
    const char* base;
    int width;
    int height;
    std::set<int> colours; // of the released picture
};

const std::set<int> kSectionColours = {Silver, Black, Maroon, Yellow};
const std::set<int> kBeamColours = {Silver, Black, Red};
const std::set<int> kBeamWithSColours = {Silver, Black, Red, Maroon};

const std::vector<Button>& buttons() {
    static const std::vector<Button> all = {
        {"RECT", 100, 100, kSectionColours},        {"RECTPIPE", 100, 100, kSectionColours},
        {"DOUBLET", 100, 100, kSectionColours},     {"HPROFILE", 100, 100, kSectionColours},
        {"POLY6", 100, 100, kSectionColours},       {"POLY8", 100, 100, kSectionColours},
        {"LPROFILE", 100, 100, kSectionColours},    {"TPROFILE", 100, 100, kSectionColours},
        {"T2PROFILE", 100, 100, kSectionColours},   {"UPROFILE", 100, 100, kSectionColours},
        {"CPROFILE", 100, 100, kSectionColours},    {"CIRCLE", 100, 100, kSectionColours},
        {"OVAL", 100, 100, kSectionColours},        {"TRIANGLE", 100, 100, kSectionColours},
        {"TRAPEZ", 100, 100, kSectionColours},      {"CROSS", 100, 100, kSectionColours},
        {"BEAM_CONC", 100, 50, kBeamWithSColours},  {"BEAM_LINE", 100, 50, kBeamColours},
        {"BEAMP_CONC", 100, 50, kBeamWithSColours}, {"BEAMP_LINE", 100, 50, kBeamColours},
        {"CANTI_CONC", 100, 50, kBeamColours},      {"CANTI_LINE", 100, 50, kBeamColours},
        {"BUCK_FREE", 50, 100, kBeamColours},       {"BUCK_PIN1", 50, 100, kBeamColours},
        {"BUCK_PIN2", 50, 100, kBeamColours},       {"BUCK_SLIDE", 50, 100, kBeamColours},
        {"EXIT", 25, 25, {Black, Gray, Navy}},
    };
    return all;
}

// --- Every one of the 54 button pictures -----------------------------------------------

struct PictureCase {
    std::string name;
    const Button* button;
};

std::vector<PictureCase> allButtonPictures() {
    std::vector<PictureCase> cases;
    for (const Button& b : buttons()) {
        cases.push_back({std::string(b.base) + "_UP", &b});
        cases.push_back({std::string(b.base) + "_DN", &b});
    }
    return cases;
}

class ButtonPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(ButtonPicture, IsAnUncompressed4BitBitmapWithTheStandardPalette) {
    const BmpFile f = readBmp(GetParam().name);
    const Button& b = *GetParam().button;
    EXPECT_EQ(le32(f.bytes, 2), f.bytes.size()) << "file size in the header";
    EXPECT_EQ(le32(f.bytes, 10), 14u + 40u + 16u * 4u) << "pixel data follows the palette";
    EXPECT_EQ(f.dib.headerSize, 40u);
    EXPECT_EQ(f.dib.width, b.width);
    EXPECT_EQ(f.dib.height, b.height);
    EXPECT_EQ(f.dib.planes, 1);
    EXPECT_EQ(f.dib.bits, 4);
    EXPECT_EQ(f.dib.compression, 0u);
    ASSERT_EQ(f.dib.palette.size(), 16u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(f.dib.palette[i], kStandardColours[i]) << "palette entry " << i;
    }
    const std::size_t stride = ((std::size_t(b.width) * 4 + 31) / 32) * 4;
    EXPECT_EQ(f.bytes.size(), 14 + 40 + 64 + stride * b.height);
}

INSTANTIATE_TEST_SUITE_P(All, ButtonPicture, testing::ValuesIn(allButtonPictures()),
                         [](const auto& info) { return info.param.name; });

// --- The 26 selector pairs ---------------------------------------------------------------

class SelectorPair : public testing::TestWithParam<Button> {};

TEST_P(SelectorPair, ReleasedHasSilverBackgroundAndOnlyItsColours) {
    const Dib up = readBmp(std::string(GetParam().base) + "_UP").dib;
    for (int x = 0; x < up.width; ++x) {
        EXPECT_EQ(up.at(x, 0), Silver) << "top edge at " << x;
        EXPECT_EQ(up.at(x, up.height - 1), Silver) << "bottom edge at " << x;
    }
    for (int y = 0; y < up.height; ++y) {
        EXPECT_EQ(up.at(0, y), Silver) << "left edge at " << y;
        EXPECT_EQ(up.at(up.width - 1, y), Silver) << "right edge at " << y;
    }
    std::map<int, int> counts;
    for (int p : up.pixels) {
        ++counts[p];
    }
    std::set<int> used;
    for (const auto& [colour, n] : counts) {
        used.insert(colour);
        EXPECT_LE(n, counts[Silver]) << "colour " << colour << " outnumbers the background";
    }
    // No gray in the released picture, so the pressed one is unambiguous.
    EXPECT_EQ(used, GetParam().colours);
}

TEST_P(SelectorPair, PressedIsReleasedWithSilverTurnedGray) {
    const Dib up = readBmp(std::string(GetParam().base) + "_UP").dib;
    const Dib dn = readBmp(std::string(GetParam().base) + "_DN").dib;
    ASSERT_EQ(up.pixels.size(), dn.pixels.size());
    for (std::size_t i = 0; i < up.pixels.size(); ++i) {
        const int expected = up.pixels[i] == Silver ? Gray : up.pixels[i];
        ASSERT_EQ(dn.pixels[i], expected) << "pixel " << i % up.width << ", " << i / up.width;
    }
}

std::vector<Button> selectors() {
    return {buttons().begin(), buttons().end() - 1};
}

INSTANTIATE_TEST_SUITE_P(All, SelectorPair, testing::ValuesIn(selectors()),
                         [](const auto& info) { return std::string(info.param.base); });

// --- The bending axis of the 16 sections -------------------------------------------------

// The centroid row of the section: the largest 4-connected black region, counting the
// axis pixels that cut through it (black above and below).
double sectionCentroid(const Dib& d) {
    auto inSection = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= d.width || y >= d.height) {
            return false;
        }
        const int c = d.at(x, y);
        return c == Black || (c == Yellow && y > 0 && y + 1 < d.height && d.at(x, y - 1) == Black &&
                              d.at(x, y + 1) == Black);
    };
    std::vector<int> region(d.pixels.size(), -1);
    std::vector<std::pair<double, int>> sums; // sum of row centres, count
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            if (!inSection(x, y) || region[std::size_t(y) * d.width + x] >= 0) {
                continue;
            }
            const int id = int(sums.size());
            sums.push_back({0, 0});
            std::vector<std::pair<int, int>> stack = {{x, y}};
            region[std::size_t(y) * d.width + x] = id;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                sums[id].first += py + 0.5;
                ++sums[id].second;
                for (const auto& [nx, ny] :
                     {std::pair{px + 1, py}, {px - 1, py}, {px, py + 1}, {px, py - 1}}) {
                    if (inSection(nx, ny) && region[std::size_t(ny) * d.width + nx] < 0) {
                        region[std::size_t(ny) * d.width + nx] = id;
                        stack.push_back({nx, ny});
                    }
                }
            }
        }
    }
    const auto largest = std::max_element(sums.begin(), sums.end(),
                                          [](auto a, auto b) { return a.second < b.second; });
    return largest->first / largest->second;
}

class SectionAxis : public testing::TestWithParam<Button> {};

TEST_P(SectionAxis, IsOneHorizontalLineThroughTheCentroid) {
    const Dib d = readBmp(std::string(GetParam().base) + "_UP").dib;
    std::set<int> rows;
    for (int y = 0; y < d.height; ++y) {
        for (int x = 0; x < d.width; ++x) {
            if (d.at(x, y) == Yellow) {
                rows.insert(y);
            }
        }
    }
    ASSERT_EQ(rows.size(), 1u) << "the axis is one row";
    const int axis = *rows.begin();
    int length = 0;
    for (int x = 0; x < d.width; ++x) {
        length += d.at(x, axis) == Yellow;
    }
    EXPECT_GT(length, d.width * 3 / 4) << "the axis runs across the picture";
    EXPECT_NEAR(axis + 0.5, sectionCentroid(d), 1.0);
}

std::vector<Button> sections() {
    return {buttons().begin(), buttons().begin() + 16};
}

INSTANTIATE_TEST_SUITE_P(All, SectionAxis, testing::ValuesIn(sections()),
                         [](const auto& info) { return std::string(info.param.base); });

// --- The exit pair -----------------------------------------------------------------------

TEST(ExitPair, ReleasedIsAGrayXOnBlackWithFourteenNavyEdgePixels) {
    const Dib up = readBmp("EXIT_UP").dib;
    int navy = 0;
    for (int y = 0; y < up.height; ++y) {
        for (int x = 0; x < up.width; ++x) {
            if (up.at(x, y) != Navy) {
                continue;
            }
            ++navy;
            bool touchesBlack = false, touchesGray = false;
            for (int j = y - 1; j <= y + 1; ++j) {
                for (int i = x - 1; i <= x + 1; ++i) {
                    touchesBlack |= up.at(i, j) == Black;
                    touchesGray |= up.at(i, j) == Gray;
                }
            }
            EXPECT_TRUE(touchesBlack && touchesGray) << "navy at " << x << ", " << y;
        }
    }
    EXPECT_EQ(navy, 14);
    EXPECT_EQ(up.at(12, 12), Gray) << "the bars cross in the middle";
    for (int i = 6; i <= 18; ++i) {
        EXPECT_NE(up.at(i, i), Black) << "falling bar at " << i;
        EXPECT_NE(up.at(24 - i, i), Black) << "rising bar at " << i;
    }
}

TEST(ExitPair, PressedIsTheSameXOnASilverSquareWithBlackCorners) {
    const Dib up = readBmp("EXIT_UP").dib;
    const Dib dn = readBmp("EXIT_DN").dib;
    for (int y = 0; y < up.height; ++y) {
        for (int x = 0; x < up.width; ++x) {
            const int u = up.at(x, y), d = dn.at(x, y);
            if (u != Black) {
                EXPECT_EQ(d, u) << "the X at " << x << ", " << y;
            } else {
                EXPECT_TRUE(d == Black || d == Silver) << x << ", " << y;
            }
        }
    }
    for (const auto& [x, y] : {std::pair{0, 0}, {24, 0}, {0, 24}, {24, 24}}) {
        EXPECT_EQ(dn.at(x, y), Black) << "corner " << x << ", " << y;
    }
    for (const auto& [x, y] : {std::pair{12, 0}, {0, 12}, {24, 12}, {12, 24}, {2, 12}, {4, 4}}) {
        EXPECT_EQ(dn.at(x, y), Silver) << "square at " << x << ", " << y;
    }
}

// --- Logo and icon -----------------------------------------------------------------------

TEST(Logo, Is50By25At8BitsWithTheStandardColoursFirst) {
    const BmpFile f = readBmp("ZOLK");
    EXPECT_EQ(f.dib.headerSize, 40u);
    EXPECT_EQ(f.dib.width, 50);
    EXPECT_EQ(f.dib.height, 25);
    EXPECT_EQ(f.dib.bits, 8);
    EXPECT_EQ(f.dib.compression, 0u);
    ASSERT_EQ(f.dib.palette.size(), 256u);
    for (std::size_t i = 0; i < 16; ++i) {
        EXPECT_EQ(f.dib.palette[i], kStandardColours[i]) << "palette entry " << i;
    }
    const std::set<int> used(f.dib.pixels.begin(), f.dib.pixels.end());
    EXPECT_EQ(used, (std::set<int>{Black, Red})) << "red letters on black";
    EXPECT_GT(std::count(f.dib.pixels.begin(), f.dib.pixels.end(), int(Red)), 100);
}

TEST(Icon, HoldsA32And16PixelImageOf16ColoursLikeItsBitmaps) {
    const Bytes ico = readFile(pictureFile("MAINICON", ".ico"));
    ASSERT_GE(ico.size(), 6u + 2 * 16u);
    EXPECT_EQ(le16(ico, 0), 0u);
    EXPECT_EQ(le16(ico, 2), 1u) << "an icon, not a cursor";
    ASSERT_EQ(le16(ico, 4), 2u);
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(sizes[i]);
        const std::size_t entry = 6 + 16 * std::size_t(i);
        EXPECT_EQ(ico[entry], sizes[i]);
        EXPECT_EQ(ico[entry + 1], sizes[i]);
        EXPECT_EQ(ico[entry + 2], 16) << "colours";
        EXPECT_EQ(le16(ico, entry + 6), 4u) << "bits per pixel";
        const std::size_t at = le32(ico, entry + 12);
        EXPECT_EQ(at + le32(ico, entry + 8), i == 0 ? le32(ico, entry + 16 + 12) : ico.size());
        const Dib image = readDib(ico, at, 0, sizes[i]);
        EXPECT_EQ(image.headerSize, 40u);
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, 2 * sizes[i]) << "colour rows and mask";
        EXPECT_EQ(image.bits, 4);
        EXPECT_EQ(image.palette,
                  std::vector<Rgb>(kStandardColours.begin(), kStandardColours.end()));
        const Dib bitmap = readBmp("MAINICON_" + std::to_string(sizes[i])).dib;
        EXPECT_EQ(bitmap.bits, 4);
        EXPECT_EQ(image.pixels, bitmap.pixels);
    }
}

} // namespace
} // namespace picture_test
