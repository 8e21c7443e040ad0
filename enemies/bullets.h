// What every enemy bullet family shares: the area a bullet stays in, the
// ship's box it tests, and how its picture is drawn.
#pragma once
#include <cstdint>

#include "enemies/kind.h"

namespace enemy {

// Rand() % mod + add, drawn when the family fires; mod 0 means add alone.
struct RandomValue {
  int mod;
  int add;
};
float Next(const RandomValue& v);
// The draw of a spare word that some families make: none when mod and add are 0.
inline bool Drawn(const RandomValue& v) { return v.mod != 0 || v.add != 0; }

// A bullet stays in flight while minX <= x <= maxX and minY <= y <= maxY
// (kNoBound for a side not tested; "x + 16 >= 0" is minX -16) and, when
// bombClears, while gBombActive is not 1. Every bullet, alive or not, is tested.
struct KeepArea {
  float minX, maxX, minY, maxY;
  bool bombClears;
};
bool Keeps(const KeepArea& k, float x, float y);

// The ship is hit while gPlayerAlive is set and the bullet's position minus
// the ship's lies in [minDX, maxDX] x [minDY, maxDY]; the bullet flies on.
struct ShipBox {
  float minDX, maxDX, minDY, maxDY;
};
void TestShip(const ShipBox& b, float x, float y);

// A bullet picture: source (size f, 0)-(size f + size, size) of a strip with
// `frames` frames, f the bullet's frame, stepped after each draw; frames 0 is
// a static picture drawn from (0, 0) whose frame is never stepped.
struct BulletLook {
  const int* picture;  // picture global
  int size;            // width = height of one frame
  int frames;          // animation frames, 0: static
  bool drawsFree;      // also draws (and animates) free bullets at their parked place
};
void BlitBullet(const BulletLook& l, int x, int y, int frame);

template <typename Bullet>
void DrawBullets(const BulletLook& l, std::span<Bullet> bullets) {
  for (Bullet& b : bullets) {
    if (!l.drawsFree && b.alive != 1) continue;
    BlitBullet(l, Truncate(b.x), Truncate(b.y), b.frame);
    if (l.frames > 0 && ++b.frame >= l.frames) b.frame = 0;
  }
}

// Start frames that a reset gives a bullet table.
enum class StartFrame : uint8_t { kZero, kRandom10, kRandom7 };
int32_t StartFrameValue(StartFrame s);
bool FrameAtStart(StartFrame s, int32_t frame);

}  // namespace enemy
