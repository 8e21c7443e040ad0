#include "bosses/boss1_laser.h"

#include "bosses/boss_state.h"
#include "engine/draw/ko_draw.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "player/parking.h"

int32_t gBoss1LaserFrame;
int32_t gBoss1LaserX = kParkX;
int32_t gBoss1LaserY = kParkY;
int32_t gBoss1LaserAnchored;

namespace {

constexpr int kBeamWidth = 600;
constexpr int kBandHeight = 80;
constexpr int kBandRows = 6;
constexpr int kEdgeHeight = 45;
constexpr int kEdgeRows = 4;
constexpr int kUpperEdgeY = -5;
constexpr int kLowerEdgeY = 30;

constexpr int kLastWarmUpFrame = 12;
constexpr int kLastBurningFrame = 36;
constexpr int kLastDrawnFrame = 42;
constexpr int kCycleEnd = 43;
// The last fade frame closes the lower edge on row 0 instead of its turn in the cycle.
constexpr int kLastFrameLowerEdgeRow = 0;

// The beam's anchor follows the boss; AnchorBoss1Laser uses offsets of its own.
constexpr int kFollowX = -360, kFollowY = 120;
constexpr int kAnchorX = -400, kAnchorY = 110;

// The ship's corner is hit from anchor - 30 to anchor + 570 across and from
// anchor - 30 to anchor + 40 down, all bounds included.
constexpr float kKillLeft = -570, kKillRight = 30, kKillTop = -40, kKillBottom = 30;

void BlitRow(int x, int y, int picture, int row, int height) {
  koDraw::Blit(x, y, picture, 0, row * height, kBeamWidth, row * height + height);
}

// Warm-up rows forwards, burning rows in a loop, then the warm-up rows backwards.
void DrawBand(int k, int x, int y) {
  if (k <= kLastWarmUpFrame)
    BlitRow(x, y, gPicHlb1, (k - 1) % kBandRows, kBandHeight);
  else if (k <= kLastBurningFrame)
    BlitRow(x, y, gPicHlb11, (k - kLastWarmUpFrame - 1) % kBandRows, kBandHeight);
  else
    BlitRow(x, y, gPicHlb1, kLastDrawnFrame - k, kBandHeight);
}

void DrawBeam(int k, int x, int y) {
  DrawBand(k, x, y);
  const int edge = (k - 1) % kEdgeRows;
  BlitRow(x, y + kUpperEdgeY, gPicHlbt1, edge, kEdgeHeight);
  const int lower = k == kLastDrawnFrame ? kLastFrameLowerEdgeRow : kEdgeRows - 1 - edge;
  BlitRow(x, y + kLowerEdgeY, gPicHlbt1, lower, kEdgeHeight);
}

bool Burning(int k) { return k > kLastWarmUpFrame && k <= kLastBurningFrame; }

}  // namespace

void DrawBoss1Laser() {
  const int k = ++gBoss1LaserFrame;
  if (k >= 1 && k <= kLastDrawnFrame) DrawBeam(k, gBoss1LaserX, gBoss1LaserY);
  if (k >= kCycleEnd) gBoss1LaserFrame = 0;
  gBoss1LaserX = static_cast<int>(gBoss1.x) + kFollowX;
  gBoss1LaserY = static_cast<int>(gBoss1.y) + kFollowY;
  if (!Burning(k) || gPlayerAlive == 0) return;
  const float dx = static_cast<float>(gBoss1LaserX) - gPlayerX;
  const float dy = static_cast<float>(gBoss1LaserY) - gPlayerY;
  if (dx >= kKillLeft && dx <= kKillRight && dy >= kKillTop && dy <= kKillBottom) gPlayerAlive = 0;
}

void AnchorBoss1Laser() {
  if (gBoss1LaserAnchored != 0) return;
  gBoss1LaserAnchored = 1;
  gBoss1LaserX = static_cast<int>(gBoss1.x) + kAnchorX;
  gBoss1LaserY = static_cast<int>(gBoss1.y) + kAnchorY;
}

void ResetBoss1Laser() {
  gBoss1LaserFrame = 0;
  gBoss1LaserAnchored = 0;
  gBoss1LaserX = kParkX;
  gBoss1LaserY = kParkY;
}

bool Boss1LaserAtStart() {
  return gBoss1LaserFrame == 0 && gBoss1LaserAnchored == 0 && gBoss1LaserX == kParkX &&
         gBoss1LaserY == kParkY;
}
