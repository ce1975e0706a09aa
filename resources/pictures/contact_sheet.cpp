// Writes one PNG with every picture of the window enlarged 3x and its resource name under
// it, read back from the embedded resources, so that the artwork can be reviewed at a
// glance. Usage: zolk_contact_sheet_tool OUTPUT.png
#include "font.h"
#include "picture_names.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kScale = 3;     // of the pictures
constexpr int kTextScale = 3; // of the 3x5 name font
constexpr int kGap = 18;
constexpr int kPerRow = 8;

struct Cell {
    std::string name;
    std::vector<QImage> images; // side by side; the icon shows both sizes
};

QImage load(const std::string& name) {
    QImage image(QString::fromStdString(":/pictures/" + name));
    if (image.isNull()) {
        std::fprintf(stderr, "zolk_contact_sheet: cannot load %s\n", name.c_str());
        std::exit(1);
    }
    return image.scaled(image.width() * kScale, image.height() * kScale, Qt::IgnoreAspectRatio,
                        Qt::FastTransformation);
}

int cellWidth(const Cell& cell) {
    int w = 0;
    for (const QImage& image : cell.images) {
        w += image.width() + (w > 0 ? kGap : 0);
    }
    const pictures::Box text = pictures::textBox(cell.name, pictures::Font::Caps);
    return std::max(w, text.width() * kTextScale);
}

int cellHeight(const Cell& cell) {
    int h = 0;
    for (const QImage& image : cell.images) {
        h = std::max(h, image.height());
    }
    return h + kGap / 2 + 6 * kTextScale;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zolk_contact_sheet_tool OUTPUT.png\n");
        return 2;
    }
    // Rows: the sections, the load cases, the columns, then exit, logo and icon.
    std::vector<std::vector<Cell>> groups(4);
    for (std::size_t i = 0; i < pictures::kButtons.size(); ++i) {
        const std::size_t group = i < 16 ? 0 : i < 22 ? 1 : i < 26 ? 2 : 3;
        for (const char* state : {"_UP", "_DN"}) {
            const std::string name = std::string(pictures::kButtons[i].base) + state;
            groups[group].push_back({name, {load(name)}});
        }
    }
    groups[3].push_back({std::string(pictures::kLogo), {load(std::string(pictures::kLogo))}});
    groups[3].push_back(
        {std::string(pictures::kIcon),
         {load(std::string(pictures::kIcon32)), load(std::string(pictures::kIcon16))}});

    struct Placed {
        const Cell* cell;
        int x, y;
    };
    std::vector<Placed> placed;
    int y = kGap, sheetWidth = 0;
    for (const auto& group : groups) {
        for (std::size_t first = 0; first < group.size(); first += kPerRow) {
            int x = kGap, rowHeight = 0;
            for (std::size_t i = first; i < std::min(group.size(), first + kPerRow); ++i) {
                placed.push_back({&group[i], x, y});
                x += cellWidth(group[i]) + kGap;
                rowHeight = std::max(rowHeight, cellHeight(group[i]));
            }
            sheetWidth = std::max(sheetWidth, x);
            y += rowHeight + kGap;
        }
        y += kGap;
    }

    QImage sheet(sheetWidth, y, QImage::Format_RGB32);
    sheet.fill(QColor(107, 107, 107)); // the colour of the window's pages
    QPainter painter(&sheet);
    for (const Placed& p : placed) {
        int x = p.x, bottom = 0;
        for (const QImage& image : p.cell->images) {
            painter.drawImage(x, p.y, image);
            x += image.width() + kGap;
            bottom = std::max(bottom, image.height());
        }
        const int textTop = p.y + bottom + kGap / 2;
        for (const auto& [i, j] : pictures::textPixels(p.cell->name, pictures::Font::Caps)) {
            painter.fillRect(p.x + i * kTextScale, textTop + j * kTextScale, kTextScale, kTextScale,
                             Qt::white);
        }
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "zolk_contact_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
