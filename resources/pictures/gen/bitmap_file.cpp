#include "bitmap_file.h"

#include <fstream>
#include <stdexcept>

namespace pictures {

namespace {

void put16(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// 40-byte BITMAPINFOHEADER. Icons store twice the height: the colour rows and the mask.
void putInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);    // planes
    put16(out, bits); // bits per pixel
    put32(out, 0);    // BI_RGB: uncompressed
    put32(out, imageSize);
    put32(out, 3780); // 96 pixels per inch, in pixels per metre
    put32(out, 3780);
    put32(out, coloursUsed);
    put32(out, 0); // all colours important
}

void putPalette(Bytes& out, std::size_t entries) {
    for (std::size_t i = 0; i < entries; ++i) {
        const Rgb c = i < kPalette.size() ? kPalette[i] : Rgb{0, 0, 0};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

int stride(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// Pixel rows bottom-up, each padded to 4 bytes; at 4 bits the left pixel is the high nibble.
void putPixels(Bytes& out, const Canvas& canvas, int bits) {
    const int rowBytes = stride(canvas.width(), bits);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        Bytes row(std::size_t(rowBytes), 0);
        for (int x = 0; x < canvas.width(); ++x) {
            const std::uint8_t index = canvas.at(x, y);
            if (bits == 8) {
                row[std::size_t(x)] = index;
            } else {
                row[std::size_t(x / 2)] |= std::uint8_t(x % 2 == 0 ? index << 4 : index);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes encodeBmp(const Canvas& canvas, int bits) {
    const std::uint32_t entries = 1u << bits;
    const std::uint32_t imageSize = std::uint32_t(stride(canvas.width(), bits)) * canvas.height();
    const std::uint32_t offset = 14 + 40 + entries * 4;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0); // reserved
    put32(out, offset);
    putInfoHeader(out, canvas.width(), canvas.height(), bits, imageSize, entries);
    putPalette(out, entries);
    putPixels(out, canvas, bits);
    return out;
}

} // namespace

Bytes encodeBmp4(const Canvas& canvas) {
    return encodeBmp(canvas, 4);
}

Bytes encodeBmp8(const Canvas& canvas) {
    return encodeBmp(canvas, 8);
}

Bytes encodeIco(const std::vector<const Canvas*>& images) {
    std::vector<Bytes> bodies;
    for (const Canvas* image : images) {
        if (image->width() > 256 || image->height() > 256) {
            throw std::invalid_argument("icon image too large");
        }
        const std::uint32_t colourSize = std::uint32_t(stride(image->width(), 4)) * image->height();
        const std::uint32_t maskSize = std::uint32_t(stride(image->width(), 1)) * image->height();
        Bytes body;
        putInfoHeader(body, image->width(), 2 * image->height(), 4, colourSize + maskSize, 16);
        putPalette(body, 16);
        putPixels(body, *image, 4);
        body.insert(body.end(), maskSize, 0); // AND mask all clear: every pixel opaque
        bodies.push_back(std::move(body));
    }
    Bytes out;
    put16(out, 0); // reserved
    put16(out, 1); // icon
    put16(out, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(std::uint8_t(images[i]->width() % 256));
        out.push_back(std::uint8_t(images[i]->height() % 256));
        out.push_back(16); // colours
        out.push_back(0);  // reserved
        put16(out, 1);     // planes
        put16(out, 4);     // bits per pixel
        put32(out, std::uint32_t(bodies[i].size()));
        put32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace pictures
