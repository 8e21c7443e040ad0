// The fan volleys of the stage bosses: waves of five bullets that leave the
// boss as an arrow or chevron and open up like a fan as they fly.
#pragma once
#include "bosses/fan_kinds.h"

extern FanVolleySlot gBoss1FanVolley1[kFanVolleySlots], gBoss1FanVolley2[kFanVolleySlots];
extern FanVolleySlot gBoss2FanVolley1[kFanVolleySlots], gBoss2FanVolley2[kFanVolleySlots],
    gBoss2FanVolley3[kFanVolleySlots], gBoss2FanVolley4[kFanVolleySlots],
    gBoss2FanVolley5[kFanVolleySlots];
extern FanVolleySlot gBoss3FanVolley1[kFanVolleySlots], gBoss3FanVolley2[kFanVolleySlots],
    gBoss3FanVolley3[kFanVolleySlots], gBoss3FanVolley4[kFanVolleySlots],
    gBoss3FanVolley5[kFanVolleySlots];

// Tick: one step of the wave timers; the stage calls it once per open window.
// Fire(slot, first slot of its wave) is called by the kind's own Tick; the
// boss-1 kinds start their waves inside their Tick.
void TickBoss1FanVolley1();
void TickBoss1FanVolley2();
void TickBoss2FanVolley1();
void TickBoss2FanVolley2();
void TickBoss2FanVolley3();
void TickBoss2FanVolley4();
void TickBoss2FanVolley5();
void TickBoss3FanVolley1();
void TickBoss3FanVolley2();
void TickBoss3FanVolley3();
void TickBoss3FanVolley4();
void TickBoss3FanVolley5();
void FireBoss2FanVolley1(int slot, int first);
void FireBoss2FanVolley2(int slot, int first);
void FireBoss2FanVolley3(int slot, int first);
void FireBoss2FanVolley4(int slot, int first);
void FireBoss2FanVolley5(int slot, int first);
void FireBoss3FanVolley1(int slot, int first);
void FireBoss3FanVolley2(int slot, int first);
void FireBoss3FanVolley3(int slot, int first);
void FireBoss3FanVolley4(int slot, int first);
void FireBoss3FanVolley5(int slot, int first);

// Move: spread, flight, leave and bomb test, ship test. Draw: the bullets.
void MoveBoss1FanVolley1();
void MoveBoss1FanVolley2();
void MoveBoss2FanVolley1();
void MoveBoss2FanVolley2();
void MoveBoss2FanVolley3();
void MoveBoss2FanVolley4();
void MoveBoss2FanVolley5();
void MoveBoss3FanVolley1();
void MoveBoss3FanVolley2();
void MoveBoss3FanVolley3();
void MoveBoss3FanVolley4();
void MoveBoss3FanVolley5();
void DrawBoss1FanVolley1();
void DrawBoss1FanVolley2();
void DrawBoss2FanVolley1();
void DrawBoss2FanVolley2();
void DrawBoss2FanVolley3();
void DrawBoss2FanVolley4();
void DrawBoss2FanVolley5();
void DrawBoss3FanVolley1();
void DrawBoss3FanVolley2();
void DrawBoss3FanVolley3();
void DrawBoss3FanVolley4();
void DrawBoss3FanVolley5();
