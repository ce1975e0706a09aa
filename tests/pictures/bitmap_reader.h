#pragma once
// Reads the picture files as bytes, independent of the code that wrote them.
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace picture_test {

using Bytes = std::vector<std::uint8_t>;

inline Bytes readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline std::string pictureFile(const std::string& name, const char* extension = ".bmp") {
    return std::string(ZOLK_PICTURE_DIR) + "/" + name + extension;
}

inline std::uint32_t le16(const Bytes& b, std::size_t at) {
    return b.at(at) | b.at(at + 1) << 8;
}
inline std::uint32_t le32(const Bytes& b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// The 16 standard colours in palette order.
enum Colour {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Gray,
    Silver,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White
};
inline const std::array<Rgb, 16> kStandardColours = {{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {128, 128, 128},
    {192, 192, 192},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// A device-independent bitmap: the 40-byte information header at `at`, its palette and
// its pixel indices, top row first.
struct Dib {
    std::uint32_t headerSize = 0;
    int width = 0;
    int height = 0; // as stored: twice the image height inside an icon
    int planes = 0;
    int bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::vector<Rgb> palette;
    std::vector<int> pixels;

    int at(int x, int y) const { return pixels.at(std::size_t(y) * width + x); }
};

// rows: the number of pixel rows to read (the colour part of an icon image).
inline Dib readDib(const Bytes& b, std::size_t at, std::size_t pixelsAt, int rows = -1) {
    Dib d;
    d.headerSize = le32(b, at);
    d.width = int(le32(b, at + 4));
    d.height = int(le32(b, at + 8));
    d.planes = int(le16(b, at + 12));
    d.bits = int(le16(b, at + 14));
    d.compression = le32(b, at + 16);
    d.coloursUsed = le32(b, at + 32);
    const std::size_t entries = d.coloursUsed ? d.coloursUsed : (1u << d.bits);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t p = at + d.headerSize + 4 * i;
        d.palette.push_back({b.at(p + 2), b.at(p + 1), b.at(p)});
    }
    if (pixelsAt == 0) {
        pixelsAt = at + d.headerSize + 4 * entries;
    }
    if (rows < 0) {
        rows = d.height;
    }
    const std::size_t stride = ((std::size_t(d.width) * d.bits + 31) / 32) * 4;
    d.pixels.resize(std::size_t(d.width) * rows);
    for (int y = 0; y < rows; ++y) {
        const std::size_t row = pixelsAt + std::size_t(rows - 1 - y) * stride; // bottom-up
        for (int x = 0; x < d.width; ++x) {
            int index = 0;
            if (d.bits == 8) {
                index = b.at(row + x);
            } else if (d.bits == 4) {
                const std::uint8_t pair = b.at(row + x / 2);
                index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            } else {
                throw std::runtime_error("unexpected depth");
            }
            d.pixels[std::size_t(y) * d.width + x] = index;
        }
    }
    return d;
}

// A BMP file: the 14-byte file header, then the bitmap.
struct BmpFile {
    Bytes bytes;
    Dib dib;
};

inline BmpFile readBmp(const std::string& name) {
    BmpFile f;
    f.bytes = readFile(pictureFile(name));
    if (f.bytes.size() < 54 || f.bytes[0] != 'B' || f.bytes[1] != 'M') {
        throw std::runtime_error(name + " is not a BMP file");
    }
    f.dib = readDib(f.bytes, 14, le32(f.bytes, 10));
    return f;
}

} // namespace picture_test
