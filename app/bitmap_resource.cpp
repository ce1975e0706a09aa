#include "app/bitmap_resource.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace zolk {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

quint32 U32(const uchar* p) {
    return qFromLittleEndian<quint32>(p);
}
qint32 I32(const uchar* p) {
    return qFromLittleEndian<qint32>(p);
}
quint16 U16(const uchar* p) {
    return qFromLittleEndian<quint16>(p);
}

} // namespace

QImage LoadBitmapResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < kFileHeaderSize + kInfoHeaderSize || data[0] != 'B' || data[1] != 'M')
        return {};
    const uchar* info = data + kFileHeaderSize;
    const quint32 pixelOffset = U32(data + 10);
    const qint32 width = I32(info + 4);
    const qint32 height = I32(info + 8);
    const quint16 depth = U16(info + 14);
    const quint32 compression = U32(info + 16);
    quint32 colours = U32(info + 32);
    if (U32(info) != kInfoHeaderSize || compression != 0 ||
        (depth != 1 && depth != 4 && depth != 8) || width <= 0 || height == 0 || width > 4096 ||
        height > 4096 || height < -4096)
        return {};
    if (colours == 0)
        colours = 1u << depth;
    const qint32 rows = height < 0 ? -height : height;
    const qsizetype stride = ((qsizetype(width) * depth + 31) / 32) * 4;
    const qsizetype paletteEnd = kFileHeaderSize + kInfoHeaderSize + qsizetype(colours) * 4;
    if (colours > (1u << depth) || paletteEnd > size ||
        qsizetype(pixelOffset) + stride * rows > size)
        return {};

    QImage image(width, rows, QImage::Format_Indexed8);
    QList<QRgb> table(colours);
    for (quint32 i = 0; i < colours; ++i) {
        const uchar* c = data + kFileHeaderSize + kInfoHeaderSize + 4 * i; // blue, green, red
        table[i] = qRgb(c[2], c[1], c[0]);
    }
    image.setColorTable(table);
    const int perByte = 8 / depth;
    const int mask = (1 << depth) - 1;
    for (qint32 y = 0; y < rows; ++y) {
        // Rows are stored bottom-up unless the height is negative.
        const uchar* in = data + pixelOffset + stride * (height > 0 ? rows - 1 - y : y);
        uchar* out = image.scanLine(y);
        if (depth == 8) {
            std::memcpy(out, in, std::size_t(width));
        } else if (depth == 4) {
            for (qint32 x = 0; x + 1 < width; x += 2) {
                out[x] = uchar(in[x / 2] >> 4);
                out[x + 1] = uchar(in[x / 2] & 0x0F);
            }
            if (width % 2)
                out[width - 1] = uchar(in[width / 2] >> 4);
        } else {
            for (qint32 x = 0; x < width; x += perByte) {
                const uchar packed = in[x / perByte];
                const int count = std::min<qint32>(perByte, width - x);
                for (int k = 0; k < count; ++k)
                    out[x + k] = uchar((packed >> (8 - depth * (k + 1))) & mask);
            }
        }
        // A palette shorter than the depth allows may leave indices without a colour.
        if (colours < (1u << depth))
            for (qint32 x = 0; x < width; ++x)
                if (out[x] >= colours)
                    return {};
    }
    return image;
}

} // namespace zolk
