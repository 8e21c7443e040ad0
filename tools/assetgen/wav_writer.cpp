#include "tools/assetgen/wav_writer.h"

namespace assetgen {
namespace {

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back((v >> (8 * i)) & 0xFF);
}
void Tag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int sample_rate) {
  const uint32_t data_bytes = static_cast<uint32_t>(samples.size()) * 2;
  std::vector<uint8_t> out;
  out.reserve(44 + data_bytes);
  Tag(out, "RIFF");
  Put(out, 36 + data_bytes, 4);
  Tag(out, "WAVE");
  Tag(out, "fmt ");
  Put(out, 16, 4);
  Put(out, 1, 2);  // PCM
  Put(out, 1, 2);  // mono
  Put(out, sample_rate, 4);
  Put(out, sample_rate * 2, 4);  // bytes per second
  Put(out, 2, 2);                // block align
  Put(out, 16, 2);               // bits per sample
  Tag(out, "data");
  Put(out, data_bytes, 4);
  for (int16_t s : samples) Put(out, static_cast<uint16_t>(s), 2);
  return out;
}

}  // namespace assetgen
