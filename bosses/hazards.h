// Hazard streams: boss attack kinds that pour 60-pixel blocks towards the
// left edge. Blocks move whole pixels once per frame, one frame counter per
// kind picks the slot that starts, a block that touches the ship costs 2000
// points, and neither a bomb nor a hit removes a block.
#pragma once
#include <cstdint>

// One block of a stream.
struct HazardSlot {
  float pathClock;  // path kinds: place on the path profile, 110 per second
  int32_t x, y;     // top-left corner, pixels
  int32_t speed;    // pixels per frame: straight kinds move left by it, path kinds step by it
  int32_t dy;       // straight kinds with drift: pixels per frame added to y
  int32_t active;   // 1 while live
};

constexpr int kHazardSlots = 13;

// Three-row kinds keep rows A (middle), B (upper) and C (lower).
extern HazardSlot gBoss1Hazard1A[kHazardSlots], gBoss1Hazard1B[kHazardSlots],
    gBoss1Hazard1C[kHazardSlots];
extern HazardSlot gBoss1Hazard2[kHazardSlots], gBoss1Hazard3[kHazardSlots],
    gBoss1Hazard4[kHazardSlots], gBoss1Hazard5[kHazardSlots];
extern HazardSlot gBoss2Hazard1[kHazardSlots], gBoss2Hazard2[kHazardSlots],
    gBoss2Hazard3[kHazardSlots];
extern HazardSlot gBoss2Hazard4A[kHazardSlots], gBoss2Hazard4B[kHazardSlots],
    gBoss2Hazard4C[kHazardSlots];
extern HazardSlot gBoss3Hazard1A[kHazardSlots], gBoss3Hazard1B[kHazardSlots],
    gBoss3Hazard1C[kHazardSlots];
extern HazardSlot gBoss3Hazard2A[kHazardSlots], gBoss3Hazard2B[kHazardSlots],
    gBoss3Hazard2C[kHazardSlots];
extern HazardSlot gBoss3Hazard3A[kHazardSlots], gBoss3Hazard3B[kHazardSlots],
    gBoss3Hazard3C[kHazardSlots];

// Frame counters of the kinds' Ticks, 0 to 48.
extern int32_t gBoss1Hazard1Counter, gBoss1Hazard2Counter, gBoss1Hazard3Counter,
    gBoss1Hazard4Counter, gBoss1Hazard5Counter;
extern int32_t gBoss2Hazard1Counter, gBoss2Hazard2Counter, gBoss2Hazard3Counter,
    gBoss2Hazard4Counter;
extern int32_t gBoss3Hazard1Counter, gBoss3Hazard2Counter, gBoss3Hazard3Counter;

// Tick: one step of the 48-frame cycle; Fire(n): starts slot n of every row
// where it is idle; Move: one frame of flight and the ship test; Draw: the blocks.
void TickBoss1Hazard1();
void TickBoss1Hazard2();
void TickBoss1Hazard3();
void TickBoss1Hazard4();
void TickBoss1Hazard5();
void TickBoss2Hazard1();
void TickBoss2Hazard2();
void TickBoss2Hazard3();
void TickBoss2Hazard4();
void TickBoss3Hazard1();
void TickBoss3Hazard2();
void TickBoss3Hazard3();
void FireBoss1Hazard1(int slot);
void FireBoss1Hazard2(int slot);
void FireBoss1Hazard3(int slot);
void FireBoss1Hazard4(int slot);
void FireBoss1Hazard5(int slot);
void FireBoss2Hazard1(int slot);
void FireBoss2Hazard2(int slot);
void FireBoss2Hazard3(int slot);
void FireBoss2Hazard4(int slot);
void FireBoss3Hazard1(int slot);
void FireBoss3Hazard2(int slot);
void FireBoss3Hazard3(int slot);
void MoveBoss1Hazard1();
void MoveBoss1Hazard2();
void MoveBoss1Hazard3();
void MoveBoss1Hazard4();
void MoveBoss1Hazard5();
void MoveBoss2Hazard1();
void MoveBoss2Hazard2();
void MoveBoss2Hazard3();
void MoveBoss2Hazard4();
void MoveBoss3Hazard1();
void MoveBoss3Hazard2();
void MoveBoss3Hazard3();
void DrawBoss1Hazard1();
void DrawBoss1Hazard2();
void DrawBoss1Hazard3();
void DrawBoss1Hazard4();
void DrawBoss1Hazard5();
void DrawBoss2Hazard1();
void DrawBoss2Hazard2();
void DrawBoss2Hazard3();
void DrawBoss2Hazard4();
void DrawBoss3Hazard1();
void DrawBoss3Hazard2();
void DrawBoss3Hazard3();
