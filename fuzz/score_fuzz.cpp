// Feeds arbitrary bytes to the high-score file reader.
#include <cstddef>
#include <cstdint>

#include "game/high_score.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ParseHighScore(reinterpret_cast<const char*>(data), size);
  return 0;
}
