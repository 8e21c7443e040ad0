#include "enemies/bullets.h"

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"

namespace enemy {

float Next(const RandomValue& v) {
  return static_cast<float>(v.mod > 0 ? koSystem::Rand() % v.mod + v.add : v.add);
}

bool Keeps(const KeepArea& k, float x, float y) {
  return k.minX <= x && x <= k.maxX && k.minY <= y && y <= k.maxY &&
         !(k.bombClears && gBombActive == 1);
}

void TestShip(const ShipBox& b, float x, float y) {
  if (gPlayerAlive == 0) return;
  const float dx = x - gPlayerX, dy = y - gPlayerY;
  if (b.minDX <= dx && dx <= b.maxDX && b.minDY <= dy && dy <= b.maxDY) gPlayerAlive = 0;
}

void BlitBullet(const BulletLook& l, int x, int y, int frame) {
  const int left = l.frames > 0 ? l.size * frame : 0;
  koDraw::Blit(x, y, *l.picture, left, 0, left + l.size, l.size);
}

namespace {
// How many start frames a reset draws from: 1 means frame 0 without a draw.
int StartFrames(StartFrame s) {
  return s == StartFrame::kRandom10 ? 10 : s == StartFrame::kRandom7 ? 7 : 1;
}
}  // namespace

int32_t StartFrameValue(StartFrame s) {
  return s == StartFrame::kZero ? 0 : koSystem::Rand() % StartFrames(s);
}
bool FrameAtStart(StartFrame s, int32_t frame) { return frame >= 0 && frame < StartFrames(s); }

}  // namespace enemy
