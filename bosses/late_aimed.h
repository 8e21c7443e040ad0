// The aimed kinds of the bosses of stages 4 to 8: volleys that fan out about
// the ship in groups of 3, 5 or 7, and rings of 12 or 30 bullets whose first
// bullet flies at the ship. They are rows of the aimed-kind design.
#pragma once
#include "bosses/aimed_volleys.h"

extern AimedShotSlot gBoss4AimedShot1[72], gBoss4AimedShot2[72];
extern AimedVolleySlot gBoss4AimedVolley1[15], gBoss4AimedVolley2[15];
extern AimedVolleySlot gBoss5AimedVolley1[35], gBoss5AimedVolley2[35], gBoss5AimedVolley3[25],
    gBoss5AimedVolley4[25];
extern AimedShotSlot gBoss6AimedShot1[300];
extern AimedShotSlot gBoss7AimedShot1[72], gBoss7AimedShot2[72];
extern AimedShotSlot gBoss8AimedShot1[300];

// Volleys: Fire(slot, first slot of its group), called by the kind's Tick.
void FireBoss4AimedVolley1(int slot, int first);
void FireBoss4AimedVolley2(int slot, int first);
void FireBoss5AimedVolley1(int slot, int first);
void FireBoss5AimedVolley2(int slot, int first);
void FireBoss5AimedVolley3(int slot, int first);
void FireBoss5AimedVolley4(int slot, int first);

// Rings: Fire(slot), called by the kind's Tick.
void FireBoss4AimedShot1(int slot);
void FireBoss4AimedShot2(int slot);
void FireBoss6AimedShot1(int slot);
void FireBoss7AimedShot1(int slot);
void FireBoss7AimedShot2(int slot);
void FireBoss8AimedShot1(int slot);

// Tick: one step of the firing cycle; the stage calls it once per open window.
void TickBoss4AimedShot1();
void TickBoss4AimedShot2();
void TickBoss4AimedVolley1();
void TickBoss4AimedVolley2();
void TickBoss5AimedVolley1();
void TickBoss5AimedVolley2();
void TickBoss5AimedVolley3();
void TickBoss5AimedVolley4();
void TickBoss6AimedShot1();
void TickBoss7AimedShot1();
void TickBoss7AimedShot2();
void TickBoss8AimedShot1();

// Move: one frame of flight, bounds, bomb and ship test.
void MoveBoss4AimedShot1();
void MoveBoss4AimedShot2();
void MoveBoss4AimedVolley1();
void MoveBoss4AimedVolley2();
void MoveBoss5AimedVolley1();
void MoveBoss5AimedVolley2();
void MoveBoss5AimedVolley3();
void MoveBoss5AimedVolley4();
void MoveBoss6AimedShot1();
void MoveBoss7AimedShot1();
void MoveBoss7AimedShot2();
void MoveBoss8AimedShot1();

// Draw: every slot, live or idle (idle ones are parked off the screen).
void DrawBoss4AimedShot1();
void DrawBoss4AimedShot2();
void DrawBoss4AimedVolley1();
void DrawBoss4AimedVolley2();
void DrawBoss5AimedVolley1();
void DrawBoss5AimedVolley2();
void DrawBoss5AimedVolley3();
void DrawBoss5AimedVolley4();
void DrawBoss6AimedShot1();
void DrawBoss7AimedShot1();
void DrawBoss7AimedShot2();
void DrawBoss8AimedShot1();
