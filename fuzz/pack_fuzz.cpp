// Feeds arbitrary bytes to the picture pack's scan and pixel reader, looking
// for the first record's name (found at once), "A.BMP" and "B.BMP" (found
// after scanning past others). A found record never claims more pixel bytes
// than it has or than the file holds. Surfaces are capped in size so that
// the fuzzer keeps its pace.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/draw/bmp.h"
#include "engine/draw/pack.h"

namespace {

// Larger surfaces only cost the fuzzer time: the reader's bounds are the same
// for every size, and the records' claims are checked whatever their size.
constexpr uint64_t kMaxFuzzPixels = 1u << 18;

void Look(const uint8_t* data, size_t size, const char* wanted) {
  std::FILE* f = fmemopen(const_cast<uint8_t*>(data), size, "rb");
  if (!f) return;
  koDraw::pack::Record rec;
  if (koDraw::pack::FindRecord(f, size, wanted, rec)) {
    const uint64_t pixels = uint64_t{rec.width} * rec.height;
    if (rec.pixelBytes > 2 * pixels || rec.pixelBytes > size) std::abort();
    if (pixels > 0 && pixels <= kMaxFuzzPixels) {
      auto s = koDraw::MakeSurface(rec.width, rec.height);
      koDraw::pack::ReadPixels(f, rec, *s);
    }
  }
  std::fclose(f);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const bool formatSet = koDraw::AnalysePixelFormat(0xF800, 0x07E0, 0x001F) != 0;
  (void)formatSet;
  char first[koDraw::pack::kStoredNameMax + 1] = "";
  if (size > 4) {
    const size_t n = strnlen(reinterpret_cast<const char*>(data) + 4,
                             std::min<size_t>(size - 4, sizeof first - 1));
    std::memcpy(first, data + 4, n);
    first[n] = '\0';
  }
  Look(data, size, first);
  Look(data, size, "A.BMP");
  Look(data, size, "B.BMP");
  return 0;
}
