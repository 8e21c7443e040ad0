// The lightning whips of the stage-2 boss: chains of five nodes launched
// together at the ship, each node faster than the one before, drawn as four
// thickening lines that flicker between red-orange and yellow.
#pragma once
#include <cstdint>

// One node of a whip.
struct LightningNode {
  float x, y;      // position, pixels
  float angle;     // heading, radians, 0 right and pi/2 down
  float speed;     // pixels per second
  int32_t active;  // 1 while the node flies
};

constexpr int kLightningNodes = 5;

// Node 0 is the slowest and decides when the whole whip is lost.
extern LightningNode gBoss2Lightning1[kLightningNodes], gBoss2Lightning2[kLightningNodes];

// Fire launches every idle node from the boss; Move flies the nodes, loses
// the whip with its slowest node and tests the ship; Draw draws a flying whip.
void FireBoss2Lightning1();
void FireBoss2Lightning2();
void MoveBoss2Lightning1();
void MoveBoss2Lightning2();
void DrawBoss2Lightning1();
void DrawBoss2Lightning2();

// The game-state reset: every node idle at (-500, 500), speed 0, angle -3 degrees.
void ResetBoss2Lightning1();
void ResetBoss2Lightning2();
bool Boss2Lightning1AtStart();
bool Boss2Lightning2AtStart();
