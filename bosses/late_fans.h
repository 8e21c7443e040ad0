// The fan volleys and five-way volleys of the bosses of stages 4 to 8: waves
// of five bullets that fall from the boss as an arrow (or, five-way, a row
// 22 pixels apart) while their outer members move apart.
#pragma once
#include "bosses/fan_kinds.h"

// Strips of five 40 x 40 cells, one per wave member, that no asset fills.
extern int gPicFanStripA, gPicFanStripB, gPicFanStripC;

extern FanVolleySlot gBoss4FanVolley1[kFanVolleySlots], gBoss4FanVolley2[kFanVolleySlots],
    gBoss4FanVolley3[kFanVolleySlots], gBoss4FanVolley4[kFanVolleySlots],
    gBoss4FanVolley5[kFanVolleySlots], gBoss4FanVolley6[kFanVolleySlots],
    gBoss4FanVolley7[kFanVolleySlots];
extern FanVolleySlot gBoss5FanVolley1[kFanVolleySlots], gBoss5FanVolley2[kFanVolleySlots],
    gBoss5FanVolley3[kFanVolleySlots], gBoss5FanVolley4[kFanVolleySlots],
    gBoss5FanVolley5[kFanVolleySlots], gBoss5FanVolley6[kFanVolleySlots],
    gBoss5FanVolley7[kFanVolleySlots];
extern FanVolleySlot gBoss6FanVolley1[kFanVolleySlots], gBoss6FanVolley2[kFanVolleySlots],
    gBoss6FanVolley3[kFanVolleySlots], gBoss6FanVolley4[kFanVolleySlots],
    gBoss6FanVolley5[kFanVolleySlots], gBoss6FiveWay1[kFanVolleySlots],
    gBoss6FiveWay2[kFanVolleySlots];
extern FanVolleySlot gBoss7FanVolley1[kFanVolleySlots], gBoss7FanVolley2[kFanVolleySlots],
    gBoss7FanVolley3[kFanVolleySlots], gBoss7FanVolley4[kFanVolleySlots],
    gBoss7FanVolley5[kFanVolleySlots], gBoss7FiveWay1[kFanVolleySlots],
    gBoss7FiveWay2[kFanVolleySlots];
extern FanVolleySlot gBoss8FanVolley1[kFanVolleySlots], gBoss8FanVolley2[kFanVolleySlots],
    gBoss8FanVolley3[kFanVolleySlots], gBoss8FanVolley4[kFanVolleySlots],
    gBoss8FanVolley5[kFanVolleySlots];

// Tick: one step of the wave timers; the stage calls it once per open window.
// Fire(slot, first slot of its wave) is called by the kind's own Tick.
// Move: spread, fall, leave and bomb test, ship test. Draw: every slot.
void TickBoss4FanVolley1();
void FireBoss4FanVolley1(int slot, int first);
void MoveBoss4FanVolley1();
void DrawBoss4FanVolley1();
void TickBoss4FanVolley2();
void FireBoss4FanVolley2(int slot, int first);
void MoveBoss4FanVolley2();
void DrawBoss4FanVolley2();
void TickBoss4FanVolley3();
void FireBoss4FanVolley3(int slot, int first);
void MoveBoss4FanVolley3();
void DrawBoss4FanVolley3();
void TickBoss4FanVolley4();
void FireBoss4FanVolley4(int slot, int first);
void MoveBoss4FanVolley4();
void DrawBoss4FanVolley4();
void TickBoss4FanVolley5();
void FireBoss4FanVolley5(int slot, int first);
void MoveBoss4FanVolley5();
void DrawBoss4FanVolley5();
void TickBoss4FanVolley6();
void FireBoss4FanVolley6(int slot, int first);
void MoveBoss4FanVolley6();
void DrawBoss4FanVolley6();
void TickBoss4FanVolley7();
void FireBoss4FanVolley7(int slot, int first);
void MoveBoss4FanVolley7();
void DrawBoss4FanVolley7();
void TickBoss5FanVolley1();
void FireBoss5FanVolley1(int slot, int first);
void MoveBoss5FanVolley1();
void DrawBoss5FanVolley1();
void TickBoss5FanVolley2();
void FireBoss5FanVolley2(int slot, int first);
void MoveBoss5FanVolley2();
void DrawBoss5FanVolley2();
void TickBoss5FanVolley3();
void FireBoss5FanVolley3(int slot, int first);
void MoveBoss5FanVolley3();
void DrawBoss5FanVolley3();
void TickBoss5FanVolley4();
void FireBoss5FanVolley4(int slot, int first);
void MoveBoss5FanVolley4();
void DrawBoss5FanVolley4();
void TickBoss5FanVolley5();
void FireBoss5FanVolley5(int slot, int first);
void MoveBoss5FanVolley5();
void DrawBoss5FanVolley5();
void TickBoss5FanVolley6();
void FireBoss5FanVolley6(int slot, int first);
void MoveBoss5FanVolley6();
void DrawBoss5FanVolley6();
void TickBoss5FanVolley7();
void FireBoss5FanVolley7(int slot, int first);
void MoveBoss5FanVolley7();
void DrawBoss5FanVolley7();
void TickBoss6FanVolley1();
void FireBoss6FanVolley1(int slot, int first);
void MoveBoss6FanVolley1();
void DrawBoss6FanVolley1();
void TickBoss6FanVolley2();
void FireBoss6FanVolley2(int slot, int first);
void MoveBoss6FanVolley2();
void DrawBoss6FanVolley2();
void TickBoss6FanVolley3();
void FireBoss6FanVolley3(int slot, int first);
void MoveBoss6FanVolley3();
void DrawBoss6FanVolley3();
void TickBoss6FanVolley4();
void FireBoss6FanVolley4(int slot, int first);
void MoveBoss6FanVolley4();
void DrawBoss6FanVolley4();
void TickBoss6FanVolley5();
void FireBoss6FanVolley5(int slot, int first);
void MoveBoss6FanVolley5();
void DrawBoss6FanVolley5();
void TickBoss6FiveWay1();
void FireBoss6FiveWay1(int slot, int first);
void MoveBoss6FiveWay1();
void DrawBoss6FiveWay1();
void TickBoss6FiveWay2();
void FireBoss6FiveWay2(int slot, int first);
void MoveBoss6FiveWay2();
void DrawBoss6FiveWay2();
void TickBoss7FanVolley1();
void FireBoss7FanVolley1(int slot, int first);
void MoveBoss7FanVolley1();
void DrawBoss7FanVolley1();
void TickBoss7FanVolley2();
void FireBoss7FanVolley2(int slot, int first);
void MoveBoss7FanVolley2();
void DrawBoss7FanVolley2();
void TickBoss7FanVolley3();
void FireBoss7FanVolley3(int slot, int first);
void MoveBoss7FanVolley3();
void DrawBoss7FanVolley3();
void TickBoss7FanVolley4();
void FireBoss7FanVolley4(int slot, int first);
void MoveBoss7FanVolley4();
void DrawBoss7FanVolley4();
void TickBoss7FanVolley5();
void FireBoss7FanVolley5(int slot, int first);
void MoveBoss7FanVolley5();
void DrawBoss7FanVolley5();
void TickBoss7FiveWay1();
void FireBoss7FiveWay1(int slot, int first);
void MoveBoss7FiveWay1();
void DrawBoss7FiveWay1();
void TickBoss7FiveWay2();
void FireBoss7FiveWay2(int slot, int first);
void MoveBoss7FiveWay2();
void DrawBoss7FiveWay2();
void TickBoss8FanVolley1();
void FireBoss8FanVolley1(int slot, int first);
void MoveBoss8FanVolley1();
void DrawBoss8FanVolley1();
void TickBoss8FanVolley2();
void FireBoss8FanVolley2(int slot, int first);
void MoveBoss8FanVolley2();
void DrawBoss8FanVolley2();
void TickBoss8FanVolley3();
void FireBoss8FanVolley3(int slot, int first);
void MoveBoss8FanVolley3();
void DrawBoss8FanVolley3();
void TickBoss8FanVolley4();
void FireBoss8FanVolley4(int slot, int first);
void MoveBoss8FanVolley4();
void DrawBoss8FanVolley4();
void TickBoss8FanVolley5();
void FireBoss8FanVolley5(int slot, int first);
void MoveBoss8FanVolley5();
void DrawBoss8FanVolley5();
