#pragma once
// Device-independent bitmap files: BMP with a 40-byte information header, uncompressed,
// and the icon container that holds such bitmaps.
#include "canvas.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

// 4 bits per pixel, the 16 standard colours as palette.
Bytes encodeBmp4(const Canvas& canvas);
// 8 bits per pixel, a 256-entry palette that starts with the 16 standard colours.
Bytes encodeBmp8(const Canvas& canvas);
// An icon file with one 16-colour image per canvas, all pixels opaque.
Bytes encodeIco(const std::vector<const Canvas*>& images);

void writeFile(const std::filesystem::path& path, const Bytes& bytes);

} // namespace pictures
