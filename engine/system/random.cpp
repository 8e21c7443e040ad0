// The engine's own 15-bit random numbers, identical on every C library.
#include "engine/system/ko_system.h"

namespace {
uint32_t gRandState = 1;
}

namespace koSystem {

void SeedRand(uint32_t seed) { gRandState = seed; }

int Rand() {
  gRandState = gRandState * 1103515245u + 12345u;
  return static_cast<int>((gRandState >> 16) & 0x7FFF);
}

}  // namespace koSystem
