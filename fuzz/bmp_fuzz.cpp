// Feeds arbitrary bytes to the BMP reader; a picture it accepts must hold
// exactly width x height pixels.
#include <cstdint>
#include <cstdlib>

#include "engine/draw/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  koDraw::BmpPicture picture;
  if (koDraw::DecodeBmp(data, size, picture) &&
      picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height)
    std::abort();
  return 0;
}
