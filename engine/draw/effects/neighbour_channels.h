// Pixels taken apart into 5-bit channel values and put back together, for the
// neighbourhood and turned blits.
#pragma once
#include <cstdint>

#include "engine/draw/ko_draw.h"

namespace koDraw::detail {

// A pixel of three 5-bit values at the channels' places.
inline uint16_t PlaceChannels(uint32_t r, uint32_t g, uint32_t b) {
  const PixelFormat& f = gPixelFormat;
  return static_cast<uint16_t>(r << f.red.place | g << f.green.place | b << f.blue.place);
}

// Channel sums of a number of pixels. Wide enough for any block a surface holds.
struct ChannelSum {
  uint64_t r = 0, g = 0, b = 0;
  uint64_t count = 0;

  void Add(uint16_t pixel) {
    const uint8_t* c = gRgbSplitTable[pixel];
    r += c[0];
    g += c[1];
    b += c[2];
    ++count;
  }
  uint16_t Average() const {
    return PlaceChannels(static_cast<uint32_t>(r / count), static_cast<uint32_t>(g / count),
                         static_cast<uint32_t>(b / count));
  }
  uint16_t Shifted(int bits) const {
    return PlaceChannels(static_cast<uint32_t>(r >> bits), static_cast<uint32_t>(g >> bits),
                         static_cast<uint32_t>(b >> bits));
  }
};

}  // namespace koDraw::detail
