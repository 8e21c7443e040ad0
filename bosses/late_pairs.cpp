// The tables of the pair shots of bosses 4 to 8 and their named operations;
// each operation runs the shared grouped-kind routine with its kind's row.
#include "bosses/late_pairs.h"

using enum PairKindId;

PairShotSlot gBoss4PairShot1[kPairShotSlots];
PairShotSlot gBoss4PairShot2[kPairShotSlots];
PairShotSlot gBoss4PairShot3[kPairShotSlots];
PairShotSlot gBoss6PairShot1[kPairShotSlots];
PairShotSlot gBoss6PairShot2[kPairShotSlots];
PairShotSlot gBoss7PairShot1[kPairShotSlots];
PairShotSlot gBoss7PairShot2[kPairShotSlots];

void TickBoss4PairShot1() { TickGroup(PairKind(Boss4PairShot1)); }
void FireBoss4PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss4PairShot1), slot, first);
}
void MoveBoss4PairShot1() { MoveGroup(PairKind(Boss4PairShot1)); }
void DrawBoss4PairShot1() { DrawGroup(PairKind(Boss4PairShot1)); }

void TickBoss4PairShot2() { TickGroup(PairKind(Boss4PairShot2)); }
void FireBoss4PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss4PairShot2), slot, first);
}
void MoveBoss4PairShot2() { MoveGroup(PairKind(Boss4PairShot2)); }
void DrawBoss4PairShot2() { DrawGroup(PairKind(Boss4PairShot2)); }

void TickBoss4PairShot3() { TickGroup(PairKind(Boss4PairShot3)); }
void FireBoss4PairShot3(int slot, int first) {
  FireGroupMember(PairKind(Boss4PairShot3), slot, first);
}
void MoveBoss4PairShot3() { MoveGroup(PairKind(Boss4PairShot3)); }
void DrawBoss4PairShot3() { DrawGroup(PairKind(Boss4PairShot3)); }

void TickBoss6PairShot1() { TickGroup(PairKind(Boss6PairShot1)); }
void FireBoss6PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss6PairShot1), slot, first);
}
void MoveBoss6PairShot1() { MoveGroup(PairKind(Boss6PairShot1)); }
void DrawBoss6PairShot1() { DrawGroup(PairKind(Boss6PairShot1)); }

void TickBoss6PairShot2() { TickGroup(PairKind(Boss6PairShot2)); }
void FireBoss6PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss6PairShot2), slot, first);
}
void MoveBoss6PairShot2() { MoveGroup(PairKind(Boss6PairShot2)); }
void DrawBoss6PairShot2() { DrawGroup(PairKind(Boss6PairShot2)); }

void TickBoss7PairShot1() { TickGroup(PairKind(Boss7PairShot1)); }
void FireBoss7PairShot1(int slot, int first) {
  FireGroupMember(PairKind(Boss7PairShot1), slot, first);
}
void MoveBoss7PairShot1() { MoveGroup(PairKind(Boss7PairShot1)); }
void DrawBoss7PairShot1() { DrawGroup(PairKind(Boss7PairShot1)); }

void TickBoss7PairShot2() { TickGroup(PairKind(Boss7PairShot2)); }
void FireBoss7PairShot2(int slot, int first) {
  FireGroupMember(PairKind(Boss7PairShot2), slot, first);
}
void MoveBoss7PairShot2() { MoveGroup(PairKind(Boss7PairShot2)); }
void DrawBoss7PairShot2() { DrawGroup(PairKind(Boss7PairShot2)); }
