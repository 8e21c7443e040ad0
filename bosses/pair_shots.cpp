// The tables of the pair shots, fall shots and chains and their named
// operations; each operation runs the shared routine with its kind's row.
#include "bosses/pair_shots.h"

#include "player/parking.h"

using enum PairKindId;

int gPicShotStrip40 = kNoPicture, gPicBoss1ChainStrip = kNoPicture;

PairShotSlot gBoss1PairShot1[kPairShotSlots];
PairShotSlot gBoss1PairShot2[kPairShotSlots];
PairShotSlot gBoss1FallShot1[kFallShotSlots];
PairShotSlot gBoss1FallShot2[kFallShotSlots];
PairShotSlot gBoss1FallShot3[kPairShotSlots];
PairShotSlot gBoss1FallShot4[kPairShotSlots];
PairShotSlot gBoss1Chain[kChainSlots];
PairShotSlot gBoss2Chain[kChainSlots];
PairShotSlot gBoss2FallShot1[kFallShotSlots];
PairShotSlot gBoss2FallShot2[kFallShotSlots];
PairShotSlot gBoss2PairShot1[kPairShotSlots];
PairShotSlot gBoss2PairShot2[kPairShotSlots];
PairShotSlot gBoss3PairShot1[kPairShotSlots];
PairShotSlot gBoss3PairShot2[kPairShotSlots];

void TickBoss1PairShot1() { TickGroup(PairKind(Boss1PairShot1)); }
void FireBoss1PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss1PairShot1), slot, first);
}
void MoveBoss1PairShot1() { MoveGroup(PairKind(Boss1PairShot1)); }
void DrawBoss1PairShot1() { DrawGroup(PairKind(Boss1PairShot1)); }

void TickBoss1PairShot2() { TickGroup(PairKind(Boss1PairShot2)); }
void FireBoss1PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss1PairShot2), slot, first);
}
void MoveBoss1PairShot2() { MoveGroup(PairKind(Boss1PairShot2)); }
void DrawBoss1PairShot2() { DrawGroup(PairKind(Boss1PairShot2)); }

void TickBoss1FallShot1() { TickGroup(PairKind(Boss1FallShot1)); }
void FireBoss1FallShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss1FallShot1), slot, first);
}
void MoveBoss1FallShot1() { MoveGroup(PairKind(Boss1FallShot1)); }
void DrawBoss1FallShot1() { DrawGroup(PairKind(Boss1FallShot1)); }

void TickBoss1FallShot2() { TickGroup(PairKind(Boss1FallShot2)); }
void FireBoss1FallShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss1FallShot2), slot, first);
}
void MoveBoss1FallShot2() { MoveGroup(PairKind(Boss1FallShot2)); }
void DrawBoss1FallShot2() { DrawGroup(PairKind(Boss1FallShot2)); }

void TickBoss1FallShot3() { TickGroup(PairKind(Boss1FallShot3)); }
void FireBoss1FallShot3(int slot, int first) {
  FireGroupMember(PairKind(Boss1FallShot3), slot, first);
}
void MoveBoss1FallShot3() { MoveGroup(PairKind(Boss1FallShot3)); }
void DrawBoss1FallShot3() { DrawGroup(PairKind(Boss1FallShot3)); }

void TickBoss1FallShot4() { TickGroup(PairKind(Boss1FallShot4)); }
void FireBoss1FallShot4(int slot, int first) {
  FireGroupMember(PairKind(Boss1FallShot4), slot, first);
}
void MoveBoss1FallShot4() { MoveGroup(PairKind(Boss1FallShot4)); }
void DrawBoss1FallShot4() { DrawGroup(PairKind(Boss1FallShot4)); }

void TickBoss1Chain() { TickGroup(PairKind(Boss1Chain)); }
void FireBoss1Chain(int slot, int first) { FireGroupMember(PairKind(Boss1Chain), slot, first); }
void MoveBoss1Chain() { MoveGroup(PairKind(Boss1Chain)); }
void DrawBoss1Chain() { DrawGroup(PairKind(Boss1Chain)); }

void TickBoss2Chain() { TickGroup(PairKind(Boss2Chain)); }
void FireBoss2Chain(int slot, int first) { FireGroupMember(PairKind(Boss2Chain), slot, first); }
void MoveBoss2Chain() { MoveGroup(PairKind(Boss2Chain)); }
void DrawBoss2Chain() { DrawGroup(PairKind(Boss2Chain)); }

void TickBoss2FallShot1() { TickGroup(PairKind(Boss2FallShot1)); }
void FireBoss2FallShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss2FallShot1), slot, first);
}
void MoveBoss2FallShot1() { MoveGroup(PairKind(Boss2FallShot1)); }
void DrawBoss2FallShot1() { DrawGroup(PairKind(Boss2FallShot1)); }

void TickBoss2FallShot2() { TickGroup(PairKind(Boss2FallShot2)); }
void FireBoss2FallShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss2FallShot2), slot, first);
}
void MoveBoss2FallShot2() { MoveGroup(PairKind(Boss2FallShot2)); }
void DrawBoss2FallShot2() { DrawGroup(PairKind(Boss2FallShot2)); }

void TickBoss2PairShot1() { TickGroup(PairKind(Boss2PairShot1)); }
void FireBoss2PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss2PairShot1), slot, first);
}
void MoveBoss2PairShot1() { MoveGroup(PairKind(Boss2PairShot1)); }
void DrawBoss2PairShot1() { DrawGroup(PairKind(Boss2PairShot1)); }

void TickBoss2PairShot2() { TickGroup(PairKind(Boss2PairShot2)); }
void FireBoss2PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss2PairShot2), slot, first);
}
void MoveBoss2PairShot2() { MoveGroup(PairKind(Boss2PairShot2)); }
void DrawBoss2PairShot2() { DrawGroup(PairKind(Boss2PairShot2)); }

void TickBoss3PairShot1() { TickGroup(PairKind(Boss3PairShot1)); }
void FireBoss3PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss3PairShot1), slot, first);
}
void MoveBoss3PairShot1() { MoveGroup(PairKind(Boss3PairShot1)); }
void DrawBoss3PairShot1() { DrawGroup(PairKind(Boss3PairShot1)); }

void TickBoss3PairShot2() { TickGroup(PairKind(Boss3PairShot2)); }
void FireBoss3PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss3PairShot2), slot, first);
}
void MoveBoss3PairShot2() { MoveGroup(PairKind(Boss3PairShot2)); }
void DrawBoss3PairShot2() { DrawGroup(PairKind(Boss3PairShot2)); }
