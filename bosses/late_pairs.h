// The pair shots of the bosses of stages 4, 6 and 7: pairs side by side under
// the boss that fall straight, part slowly or split apart.
#pragma once
#include "bosses/pair_kinds.h"

extern PairShotSlot gBoss4PairShot1[kPairShotSlots];
extern PairShotSlot gBoss4PairShot2[kPairShotSlots];
extern PairShotSlot gBoss4PairShot3[kPairShotSlots];
extern PairShotSlot gBoss6PairShot1[kPairShotSlots];
extern PairShotSlot gBoss6PairShot2[kPairShotSlots];
extern PairShotSlot gBoss7PairShot1[kPairShotSlots];
extern PairShotSlot gBoss7PairShot2[kPairShotSlots];

// Tick: one step of the pair timers, then Fire(slot, first slot of its pair)
// for every pair whose count came. Move: drift, fall, leave and bomb test, ship
// test. Draw: every slot, free or flying.
void TickBoss4PairShot1();
void FireBoss4PairShot1(int slot, int first);
void MoveBoss4PairShot1();
void DrawBoss4PairShot1();
void TickBoss4PairShot2();
void FireBoss4PairShot2(int slot, int first);
void MoveBoss4PairShot2();
void DrawBoss4PairShot2();
void TickBoss4PairShot3();
void FireBoss4PairShot3(int slot, int first);
void MoveBoss4PairShot3();
void DrawBoss4PairShot3();
void TickBoss6PairShot1();
void FireBoss6PairShot1(int slot, int first);
void MoveBoss6PairShot1();
void DrawBoss6PairShot1();
void TickBoss6PairShot2();
void FireBoss6PairShot2(int slot, int first);
void MoveBoss6PairShot2();
void DrawBoss6PairShot2();
void TickBoss7PairShot1();
void FireBoss7PairShot1(int slot, int first);
void MoveBoss7PairShot1();
void DrawBoss7PairShot1();
void TickBoss7PairShot2();
void FireBoss7PairShot2(int slot, int first);
void MoveBoss7PairShot2();
void DrawBoss7PairShot2();
