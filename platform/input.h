// Keyboard and pad state as of the last message taken from the queue.
#pragma once
#include <cstdint>

namespace plat {

bool IsKeyDown(int virtualKey);

struct PadReading {
  uint32_t x = 0, y = 0;  // 0..65535, centre near 32767
  uint32_t buttons = 0;   // bit n = button n + 1
};
constexpr int kPadCount = 2;
// False when the pad is absent.
bool ReadPad(int pad, PadReading& out);

}  // namespace plat
