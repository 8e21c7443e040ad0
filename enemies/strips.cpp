#include "enemies/strips.h"

#include "enemies/bullets.h"
#include "engine/draw/ko_draw.h"

namespace enemy {

namespace {

constexpr int kGrowth = 4;  // pixels per drawn frame, whatever the frame time
constexpr int kHeight = 20;
constexpr int kBottom = 480;

void Free(LaserRecord& s) {
  s.alive = 0;
  s.x = kParkX;
  s.y = kParkY;
}

}  // namespace

void FireStrip(const StripDesign& d) {
  LaserRecord& s = *d.strip;
  if (s.alive != 0) return;
  s.alive = 1;
  s.x = Truncate(d.owner->x) + d.muzzleX;
  s.y = Truncate(d.owner->y) + d.muzzleY;
  s.width = 0;
  s.speed = d.speed;
}

void MoveStrip(const StripDesign& d) {
  LaserRecord& s = *d.strip;
  // Whole pixels per frame: a step below one pixel does not move the strip.
  if (s.alive != 0) s.x -= Truncate(s.speed * FrameScale());
  if (s.y > kBottom) Free(s);
  if (s.x < d.leftEdge) Free(s);
}

void DrawStrip(const StripDesign& d) {
  LaserRecord& s = *d.strip;
  s.width += kGrowth;
  if (s.width >= d.maxWidth) s.width = d.maxWidth;
  koDraw::Blit(s.x, s.y, *d.picture, 0, 0, s.width, kHeight);
  TestShip({static_cast<float>(30 - s.width), 60, d.shipTop, 54}, static_cast<float>(s.x),
           static_cast<float>(s.y));
}

void ResetStrip(LaserRecord& s) {
  s.width = 0;
  s.x = kParkX;
  s.y = kParkY;
  s.speed = 0.0f;
  s.alive = 0;
}

bool StripAtStart(const LaserRecord& s) {
  return s.width == 0 && s.x == kParkX && s.y == kParkY && s.speed == 0.0f && s.alive == 0;
}

}  // namespace enemy
