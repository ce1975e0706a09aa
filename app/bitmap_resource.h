#pragma once
// Loads a palette bitmap (BMP with a 40-byte information header, 1, 4 or 8 bits per pixel,
// uncompressed) from a resource or file path, straight into an indexed image. This skips
// the image-format plugin machinery, which cost more than the decoding at start-up.
#include <QImage>
#include <QString>

namespace zolk {

// A null image when the file is missing or not such a bitmap.
QImage LoadBitmapResource(const QString& path);

} // namespace zolk
