// Encodes a picture as a 24-bit uncompressed Windows BMP (14 + 40 byte headers, bottom-up rows
// padded to four bytes), the format the game loads.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/canvas.h"

namespace assetgen {

std::vector<uint8_t> EncodeBmp(const RgbImage& image);

}  // namespace assetgen
