// The aimed bullet kinds of the stage bosses: volleys fired in groups that
// fan out about the ship, rings fired in groups that circle from the aim,
// and strings whose bullets fly one line at rising speeds.
#pragma once
#include <cstdint>

// One aimed bullet.
struct AimedVolleySlot {
  int32_t frame;   // animation cell
  int32_t timer;   // Tick calls into the kind's firing cycle
  float x, y;      // top-left corner, pixels
  float dx, dy;    // aim point minus corner at the moment of firing
  float angle;     // flight direction, radians, 0 right and pi/2 down
  float speed;     // pixels per second
  int32_t active;  // 1 while live
};
// A bullet of an aimed string or ring keeps the same fields.
using AimedShotSlot = AimedVolleySlot;

extern AimedShotSlot gBoss1AimedShot1[5], gBoss1AimedShot2[5];
extern AimedVolleySlot gBoss1AimedVolley1[20], gBoss1AimedVolley2[25], gBoss1AimedVolley3[35],
    gBoss1AimedVolley4[25];
extern AimedShotSlot gBoss2AimedShot1[72], gBoss2AimedShot2[72];
extern AimedVolleySlot gBoss3AimedVolley1[25], gBoss3AimedVolley2[25], gBoss3AimedVolley3[25],
    gBoss3AimedVolley4[35], gBoss3AimedVolley5[35], gBoss3AimedVolley6[35];
extern AimedShotSlot gBoss3AimedShot1[200], gBoss3AimedShot2[300];

// Strings: start every idle slot at once.
void FireBoss1AimedShot1();
void FireBoss1AimedShot2();
void MoveBoss1AimedShot1();
void MoveBoss1AimedShot2();
void DrawBoss1AimedShot1();
void DrawBoss1AimedShot2();

// Boss 1's first volley fires from its own Tick.
void TickBoss1AimedVolley1();
void MoveBoss1AimedVolley1();
void DrawBoss1AimedVolley1();

// Volleys: Fire(slot, first slot of its group), called by the kind's Tick.
void FireBoss1AimedVolley2(int slot, int first);
void FireBoss1AimedVolley3(int slot, int first);
void FireBoss1AimedVolley4(int slot, int first);
void FireBoss3AimedVolley1(int slot, int first);
void FireBoss3AimedVolley2(int slot, int first);
void FireBoss3AimedVolley3(int slot, int first);
void FireBoss3AimedVolley4(int slot, int first);
void FireBoss3AimedVolley5(int slot, int first);
void FireBoss3AimedVolley6(int slot, int first);

// Rings: Fire(slot), called by the kind's Tick.
void FireBoss2AimedShot1(int slot);
void FireBoss2AimedShot2(int slot);
void FireBoss3AimedShot1(int slot);
void FireBoss3AimedShot2(int slot);

// Tick: one step of the firing cycle; the stage calls it once per open window.
void TickBoss1AimedVolley2();
void TickBoss1AimedVolley3();
void TickBoss1AimedVolley4();
void TickBoss2AimedShot1();
void TickBoss2AimedShot2();
void TickBoss3AimedVolley1();
void TickBoss3AimedVolley2();
void TickBoss3AimedVolley3();
void TickBoss3AimedVolley4();
void TickBoss3AimedVolley5();
void TickBoss3AimedVolley6();
void TickBoss3AimedShot1();
void TickBoss3AimedShot2();

// Move: one frame of flight, bounds, bomb and ship test. Draw: the bullets.
void MoveBoss1AimedVolley2();
void MoveBoss1AimedVolley3();
void MoveBoss1AimedVolley4();
void MoveBoss2AimedShot1();
void MoveBoss2AimedShot2();
void MoveBoss3AimedVolley1();
void MoveBoss3AimedVolley2();
void MoveBoss3AimedVolley3();
void MoveBoss3AimedVolley4();
void MoveBoss3AimedVolley5();
void MoveBoss3AimedVolley6();
void MoveBoss3AimedShot1();
void MoveBoss3AimedShot2();
void DrawBoss1AimedVolley2();
void DrawBoss1AimedVolley3();
void DrawBoss1AimedVolley4();
void DrawBoss2AimedShot1();
void DrawBoss2AimedShot2();
void DrawBoss3AimedVolley1();
void DrawBoss3AimedVolley2();
void DrawBoss3AimedVolley3();
void DrawBoss3AimedVolley4();
void DrawBoss3AimedVolley5();
void DrawBoss3AimedVolley6();
void DrawBoss3AimedShot1();
void DrawBoss3AimedShot2();
