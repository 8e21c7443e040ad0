// The pair shots, fall shots and chains of the stage bosses: pairs falling
// side by side or splitting apart, short columns of three fanning out as
// they fall, and arcs of seven segments that spread as they travel.
#pragma once
#include "bosses/pair_kinds.h"

// Strips that nothing loads: they hold 0, so they draw from the scratch picture.
extern int gPicShotStrip40, gPicBoss1ChainStrip;

extern PairShotSlot gBoss1PairShot1[kPairShotSlots];
extern PairShotSlot gBoss1PairShot2[kPairShotSlots];
extern PairShotSlot gBoss1FallShot1[kFallShotSlots];
extern PairShotSlot gBoss1FallShot2[kFallShotSlots];
extern PairShotSlot gBoss1FallShot3[kPairShotSlots];
extern PairShotSlot gBoss1FallShot4[kPairShotSlots];
extern PairShotSlot gBoss1Chain[kChainSlots];
extern PairShotSlot gBoss2Chain[kChainSlots];
extern PairShotSlot gBoss2FallShot1[kFallShotSlots];
extern PairShotSlot gBoss2FallShot2[kFallShotSlots];
extern PairShotSlot gBoss2PairShot1[kPairShotSlots];
extern PairShotSlot gBoss2PairShot2[kPairShotSlots];
extern PairShotSlot gBoss3PairShot1[kPairShotSlots];
extern PairShotSlot gBoss3PairShot2[kPairShotSlots];

// Tick: one step of the group timers, then Fire(slot, first slot of its
// group) for every group whose count came. Move: drift, flight, leave and
// bomb test, ship test. Draw: every slot, free or flying.
void TickBoss1PairShot1();
void TickBoss1PairShot2();
void TickBoss1FallShot1();
void TickBoss1FallShot2();
void TickBoss1FallShot3();
void TickBoss1FallShot4();
void TickBoss1Chain();
void TickBoss2Chain();
void TickBoss2FallShot1();
void TickBoss2FallShot2();
void TickBoss2PairShot1();
void TickBoss2PairShot2();
void TickBoss3PairShot1();
void TickBoss3PairShot2();
void FireBoss1PairShot1(int slot, int first);
void FireBoss1PairShot2(int slot, int first);
void FireBoss1FallShot1(int slot, int first);
void FireBoss1FallShot2(int slot, int first);
void FireBoss1FallShot3(int slot, int first);
void FireBoss1FallShot4(int slot, int first);
void FireBoss1Chain(int slot, int first);
void FireBoss2Chain(int slot, int first);
void FireBoss2FallShot1(int slot, int first);
void FireBoss2FallShot2(int slot, int first);
void FireBoss2PairShot1(int slot, int first);
void FireBoss2PairShot2(int slot, int first);
void FireBoss3PairShot1(int slot, int first);
void FireBoss3PairShot2(int slot, int first);
void MoveBoss1PairShot1();
void MoveBoss1PairShot2();
void MoveBoss1FallShot1();
void MoveBoss1FallShot2();
void MoveBoss1FallShot3();
void MoveBoss1FallShot4();
void MoveBoss1Chain();
void MoveBoss2Chain();
void MoveBoss2FallShot1();
void MoveBoss2FallShot2();
void MoveBoss2PairShot1();
void MoveBoss2PairShot2();
void MoveBoss3PairShot1();
void MoveBoss3PairShot2();
void DrawBoss1PairShot1();
void DrawBoss1PairShot2();
void DrawBoss1FallShot1();
void DrawBoss1FallShot2();
void DrawBoss1FallShot3();
void DrawBoss1FallShot4();
void DrawBoss1Chain();
void DrawBoss2Chain();
void DrawBoss2FallShot1();
void DrawBoss2FallShot2();
void DrawBoss2PairShot1();
void DrawBoss2PairShot2();
void DrawBoss3PairShot1();
void DrawBoss3PairShot2();
