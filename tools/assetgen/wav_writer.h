// Encodes 16-bit mono PCM samples as a canonical 44-byte-header RIFF/WAVE file.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sample_rate);

}  // namespace assetgen
