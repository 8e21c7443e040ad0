// Our RIFF/WAVE reader: finds "fmt " and "data" in any order, steps over
// the pad byte of odd-sized chunks and refuses anything cut short.
#include <cstring>
#include <filesystem>
#include <fstream>

#include "engine/sound/ko_sound.h"

namespace {

constexpr uint64_t kMaxWaveFileBytes = uint64_t{plat::kMaxVoiceBytes} + (1u << 20);
constexpr size_t kFormatHeader = 18;  // the WAVEFORMATEX fields with the extra size

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

struct Chunk {
  size_t body;
  uint32_t size;
};

// Finds the first chunk `id` among the chunks from `at` to `end`; its body
// must lie wholly before `end`.
bool FindChunk(const uint8_t* bytes, size_t at, size_t end, const char* id, Chunk& out) {
  while (at + 8 <= end) {
    const uint32_t size = U32(bytes + at + 4);
    const uint64_t bodyEnd = at + 8 + uint64_t{size};
    if (std::memcmp(bytes + at, id, 4) == 0) {
      out = {at + 8, size};
      return bodyEnd <= end;
    }
    at = static_cast<size_t>(std::min<uint64_t>(bodyEnd + (size & 1), end));
  }
  return false;
}

}  // namespace

namespace koSound {

int ParseWave(const uint8_t* bytes, size_t size, std::vector<uint8_t>& format, uint32_t& formatSize,
              std::vector<uint8_t>& data, uint32_t& dataSize) {
  format.clear();
  data.clear();
  formatSize = dataSize = 0;
  if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
    return 1;
  // A RIFF size that overstates the file is common; the file's end then bounds the search.
  const uint64_t riffEnd = 8 + uint64_t{U32(bytes + 4)};
  const size_t end = riffEnd >= 12 && riffEnd <= size ? static_cast<size_t>(riffEnd) : size;
  Chunk fmt{}, dat{};
  if (!FindChunk(bytes, 12, end, "fmt ", fmt) || fmt.size < 16) return 1;
  const uint8_t* f = bytes + fmt.body;
  // Only a format other than PCM has an extra size; a chunk too short to
  // hold it has no extra bytes. The extra bytes must lie inside the chunk.
  const uint16_t extra = U16(f) != 1 && fmt.size >= kFormatHeader ? U16(f + 16) : 0;
  if (extra != 0 && kFormatHeader + extra > fmt.size) return 1;
  if (!FindChunk(bytes, 12, end, "data", dat)) return 1;
  format.assign(f, f + 16);
  format.push_back(static_cast<uint8_t>(extra & 0xFF));
  format.push_back(static_cast<uint8_t>(extra >> 8));
  if (extra != 0) format.insert(format.end(), f + kFormatHeader, f + kFormatHeader + extra);
  formatSize = static_cast<uint32_t>(format.size());
  data.assign(bytes + dat.body, bytes + dat.body + dat.size);
  dataSize = dat.size;
  return 0;
}

int ReadWaveFile(const std::string& path, std::vector<uint8_t>& format, uint32_t& formatSize,
                 std::vector<uint8_t>& data, uint32_t& dataSize) {
  format.clear();
  data.clear();
  formatSize = dataSize = 0;
  std::error_code ec;
  const uint64_t size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxWaveFileBytes) return 1;
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
    return 1;
  return ParseWave(bytes.data(), bytes.size(), format, formatSize, data, dataSize);
}

plat::PcmFormat PcmFormatOf(const std::vector<uint8_t>& format) {
  const uint8_t* f = format.data();
  return {U16(f), U16(f + 2), U32(f + 4), U32(f + 8), U16(f + 12), U16(f + 14)};
}

}  // namespace koSound
