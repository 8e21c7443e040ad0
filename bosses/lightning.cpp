// One routine per operation for both whips; they differ only in launch point.
#include "bosses/lightning.h"

#include <cstdint>

#include "bosses/attack_kind.h"
#include "bosses/boss_state.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

LightningNode gBoss2Lightning1[kLightningNodes], gBoss2Lightning2[kLightningNodes];

namespace {

struct Whip {
  LightningNode* nodes;  // the whip's five nodes
  float launchX;         // launch point right of the boss's corner
  float launchY;         // launch point below the boss's corner
};
constexpr Whip kWhip1{gBoss2Lightning1, 194.0f, 44.0f};
constexpr Whip kWhip2{gBoss2Lightning2, 194.0f, 244.0f};

constexpr float kBaseSpeed = 260.0f;  // node 0; each later node 20 px/s faster
constexpr float kSpeedStep = 20.0f;
constexpr float kAimOffset = 24.0f;  // the whips aim a little further into the ship
// Node 0 leaving this area loses the whole whip (the right limit stops short of the edge).
constexpr FlightBounds kWhipBounds{-20.0f, 540.0f, -20.0f, 480.0f};

void Fire(const Whip& w) {
  for (int i = 0; i < kLightningNodes; ++i) {
    LightningNode& n = w.nodes[i];
    if (n.active != 0) continue;
    n.active = 1;
    n.x = gBoss2.x + w.launchX;
    n.y = gBoss2.y + w.launchY;
    n.speed = kBaseSpeed + kSpeedStep * static_cast<float>(i);
    n.angle = AimAngle(gPlayerX + kAimOffset - n.x, gPlayerY + kAimOffset - n.y, 0.0f);
  }
}

void Move(const Whip& w) {
  const LightningNode& lead = w.nodes[0];
  for (int i = 0; i < kLightningNodes; ++i) {
    LightningNode& n = w.nodes[i];
    if (n.active != 0) StepAlongAngle(n);
    // Tested on node 0 as it stands now: once it is parked every later node follows.
    if (LeftBoundsOrBombed(lead.x, lead.y, kWhipBounds)) ParkSlot(n);
    HitShip(n.x, n.y, kAimedShipBox);
  }
}

// Per line: pen width and the green before the flicker; red is 250, blue 5.
struct WhipLine {
  int width;
  int green;
};
constexpr WhipLine kLines[kLightningNodes - 1] = {{6, 230}, {8, 220}, {10, 210}, {12, 200}};

void Draw(const Whip& w) {
  if (w.nodes[0].active == 0) return;
  const int r1 = koSystem::Rand() % 100;
  const int r2 = koSystem::Rand() % 100;
  for (int i = 0; i < kLightningNodes - 1; ++i) {
    const LightningNode &a = w.nodes[i], &b = w.nodes[i + 1];
    const uint32_t colour =
        static_cast<uint32_t>((250 - r1) + 256 * (kLines[i].green - r2) + 65536 * 5);
    koDraw::DrawLine(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
                     static_cast<int>(b.y), colour, kLines[i].width);
  }
}

void Reset(const Whip& w) {
  for (int i = 0; i < kLightningNodes; ++i) w.nodes[i] = {kParkX, kParkY, kParkedAngle, 0.0f, 0};
}

bool AtStart(const Whip& w) {
  for (int i = 0; i < kLightningNodes; ++i) {
    const LightningNode& n = w.nodes[i];
    if (n.x != kParkX || n.y != kParkY || n.angle != kParkedAngle || n.speed != 0.0f ||
        n.active != 0)
      return false;
  }
  return true;
}

}  // namespace

void FireBoss2Lightning1() { Fire(kWhip1); }
void FireBoss2Lightning2() { Fire(kWhip2); }
void MoveBoss2Lightning1() { Move(kWhip1); }
void MoveBoss2Lightning2() { Move(kWhip2); }
void DrawBoss2Lightning1() { Draw(kWhip1); }
void DrawBoss2Lightning2() { Draw(kWhip2); }
void ResetBoss2Lightning1() { Reset(kWhip1); }
void ResetBoss2Lightning2() { Reset(kWhip2); }
bool Boss2Lightning1AtStart() { return AtStart(kWhip1); }
bool Boss2Lightning2AtStart() { return AtStart(kWhip2); }
