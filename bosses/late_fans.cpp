// The tables of the fan volleys and five-way volleys of bosses 4 to 8 and
// their named operations; each operation runs the shared grouped-kind
// routine with its kind's row.
#include "bosses/late_fans.h"

#include "player/parking.h"

using enum FanKindId;

int gPicFanStripA = kNoPicture, gPicFanStripB = kNoPicture, gPicFanStripC = kNoPicture;

FanVolleySlot gBoss4FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley5[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley6[kFanVolleySlots];
FanVolleySlot gBoss4FanVolley7[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley5[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley6[kFanVolleySlots];
FanVolleySlot gBoss5FanVolley7[kFanVolleySlots];
FanVolleySlot gBoss6FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss6FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss6FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss6FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss6FanVolley5[kFanVolleySlots];
FanVolleySlot gBoss6FiveWay1[kFanVolleySlots];
FanVolleySlot gBoss6FiveWay2[kFanVolleySlots];
FanVolleySlot gBoss7FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss7FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss7FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss7FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss7FanVolley5[kFanVolleySlots];
FanVolleySlot gBoss7FiveWay1[kFanVolleySlots];
FanVolleySlot gBoss7FiveWay2[kFanVolleySlots];
FanVolleySlot gBoss8FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss8FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss8FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss8FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss8FanVolley5[kFanVolleySlots];

void TickBoss4FanVolley1() { TickGroup(Fan(Boss4FanVolley1)); }
void FireBoss4FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley1), slot, first);
}
void MoveBoss4FanVolley1() { MoveGroup(Fan(Boss4FanVolley1)); }
void DrawBoss4FanVolley1() { DrawGroup(Fan(Boss4FanVolley1)); }

void TickBoss4FanVolley2() { TickGroup(Fan(Boss4FanVolley2)); }
void FireBoss4FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley2), slot, first);
}
void MoveBoss4FanVolley2() { MoveGroup(Fan(Boss4FanVolley2)); }
void DrawBoss4FanVolley2() { DrawGroup(Fan(Boss4FanVolley2)); }

void TickBoss4FanVolley3() { TickGroup(Fan(Boss4FanVolley3)); }
void FireBoss4FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley3), slot, first);
}
void MoveBoss4FanVolley3() { MoveGroup(Fan(Boss4FanVolley3)); }
void DrawBoss4FanVolley3() { DrawGroup(Fan(Boss4FanVolley3)); }

void TickBoss4FanVolley4() { TickGroup(Fan(Boss4FanVolley4)); }
void FireBoss4FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley4), slot, first);
}
void MoveBoss4FanVolley4() { MoveGroup(Fan(Boss4FanVolley4)); }
void DrawBoss4FanVolley4() { DrawGroup(Fan(Boss4FanVolley4)); }

void TickBoss4FanVolley5() { TickGroup(Fan(Boss4FanVolley5)); }
void FireBoss4FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley5), slot, first);
}
void MoveBoss4FanVolley5() { MoveGroup(Fan(Boss4FanVolley5)); }
void DrawBoss4FanVolley5() { DrawGroup(Fan(Boss4FanVolley5)); }

void TickBoss4FanVolley6() { TickGroup(Fan(Boss4FanVolley6)); }
void FireBoss4FanVolley6(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley6), slot, first);
}
void MoveBoss4FanVolley6() { MoveGroup(Fan(Boss4FanVolley6)); }
void DrawBoss4FanVolley6() { DrawGroup(Fan(Boss4FanVolley6)); }

void TickBoss4FanVolley7() { TickGroup(Fan(Boss4FanVolley7)); }
void FireBoss4FanVolley7(int slot, int first) {
  FireGroupMember(Fan(Boss4FanVolley7), slot, first);
}
void MoveBoss4FanVolley7() { MoveGroup(Fan(Boss4FanVolley7)); }
void DrawBoss4FanVolley7() { DrawGroup(Fan(Boss4FanVolley7)); }

void TickBoss5FanVolley1() { TickGroup(Fan(Boss5FanVolley1)); }
void FireBoss5FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley1), slot, first);
}
void MoveBoss5FanVolley1() { MoveGroup(Fan(Boss5FanVolley1)); }
void DrawBoss5FanVolley1() { DrawGroup(Fan(Boss5FanVolley1)); }

void TickBoss5FanVolley2() { TickGroup(Fan(Boss5FanVolley2)); }
void FireBoss5FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley2), slot, first);
}
void MoveBoss5FanVolley2() { MoveGroup(Fan(Boss5FanVolley2)); }
void DrawBoss5FanVolley2() { DrawGroup(Fan(Boss5FanVolley2)); }

void TickBoss5FanVolley3() { TickGroup(Fan(Boss5FanVolley3)); }
void FireBoss5FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley3), slot, first);
}
void MoveBoss5FanVolley3() { MoveGroup(Fan(Boss5FanVolley3)); }
void DrawBoss5FanVolley3() { DrawGroup(Fan(Boss5FanVolley3)); }

void TickBoss5FanVolley4() { TickGroup(Fan(Boss5FanVolley4)); }
void FireBoss5FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley4), slot, first);
}
void MoveBoss5FanVolley4() { MoveGroup(Fan(Boss5FanVolley4)); }
void DrawBoss5FanVolley4() { DrawGroup(Fan(Boss5FanVolley4)); }

void TickBoss5FanVolley5() { TickGroup(Fan(Boss5FanVolley5)); }
void FireBoss5FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley5), slot, first);
}
void MoveBoss5FanVolley5() { MoveGroup(Fan(Boss5FanVolley5)); }
void DrawBoss5FanVolley5() { DrawGroup(Fan(Boss5FanVolley5)); }

void TickBoss5FanVolley6() { TickGroup(Fan(Boss5FanVolley6)); }
void FireBoss5FanVolley6(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley6), slot, first);
}
void MoveBoss5FanVolley6() { MoveGroup(Fan(Boss5FanVolley6)); }
void DrawBoss5FanVolley6() { DrawGroup(Fan(Boss5FanVolley6)); }

void TickBoss5FanVolley7() { TickGroup(Fan(Boss5FanVolley7)); }
void FireBoss5FanVolley7(int slot, int first) {
  FireGroupMember(Fan(Boss5FanVolley7), slot, first);
}
void MoveBoss5FanVolley7() { MoveGroup(Fan(Boss5FanVolley7)); }
void DrawBoss5FanVolley7() { DrawGroup(Fan(Boss5FanVolley7)); }

void TickBoss6FanVolley1() { TickGroup(Fan(Boss6FanVolley1)); }
void FireBoss6FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss6FanVolley1), slot, first);
}
void MoveBoss6FanVolley1() { MoveGroup(Fan(Boss6FanVolley1)); }
void DrawBoss6FanVolley1() { DrawGroup(Fan(Boss6FanVolley1)); }

void TickBoss6FanVolley2() { TickGroup(Fan(Boss6FanVolley2)); }
void FireBoss6FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss6FanVolley2), slot, first);
}
void MoveBoss6FanVolley2() { MoveGroup(Fan(Boss6FanVolley2)); }
void DrawBoss6FanVolley2() { DrawGroup(Fan(Boss6FanVolley2)); }

void TickBoss6FanVolley3() { TickGroup(Fan(Boss6FanVolley3)); }
void FireBoss6FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss6FanVolley3), slot, first);
}
void MoveBoss6FanVolley3() { MoveGroup(Fan(Boss6FanVolley3)); }
void DrawBoss6FanVolley3() { DrawGroup(Fan(Boss6FanVolley3)); }

void TickBoss6FanVolley4() { TickGroup(Fan(Boss6FanVolley4)); }
void FireBoss6FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss6FanVolley4), slot, first);
}
void MoveBoss6FanVolley4() { MoveGroup(Fan(Boss6FanVolley4)); }
void DrawBoss6FanVolley4() { DrawGroup(Fan(Boss6FanVolley4)); }

void TickBoss6FanVolley5() { TickGroup(Fan(Boss6FanVolley5)); }
void FireBoss6FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss6FanVolley5), slot, first);
}
void MoveBoss6FanVolley5() { MoveGroup(Fan(Boss6FanVolley5)); }
void DrawBoss6FanVolley5() { DrawGroup(Fan(Boss6FanVolley5)); }

void TickBoss6FiveWay1() { TickGroup(Fan(Boss6FiveWay1)); }
void FireBoss6FiveWay1(int slot, int first) { FireGroupMember(Fan(Boss6FiveWay1), slot, first); }
void MoveBoss6FiveWay1() { MoveGroup(Fan(Boss6FiveWay1)); }
void DrawBoss6FiveWay1() { DrawGroup(Fan(Boss6FiveWay1)); }

void TickBoss6FiveWay2() { TickGroup(Fan(Boss6FiveWay2)); }
void FireBoss6FiveWay2(int slot, int first) { FireGroupMember(Fan(Boss6FiveWay2), slot, first); }
void MoveBoss6FiveWay2() { MoveGroup(Fan(Boss6FiveWay2)); }
void DrawBoss6FiveWay2() { DrawGroup(Fan(Boss6FiveWay2)); }

void TickBoss7FanVolley1() { TickGroup(Fan(Boss7FanVolley1)); }
void FireBoss7FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss7FanVolley1), slot, first);
}
void MoveBoss7FanVolley1() { MoveGroup(Fan(Boss7FanVolley1)); }
void DrawBoss7FanVolley1() { DrawGroup(Fan(Boss7FanVolley1)); }

void TickBoss7FanVolley2() { TickGroup(Fan(Boss7FanVolley2)); }
void FireBoss7FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss7FanVolley2), slot, first);
}
void MoveBoss7FanVolley2() { MoveGroup(Fan(Boss7FanVolley2)); }
void DrawBoss7FanVolley2() { DrawGroup(Fan(Boss7FanVolley2)); }

void TickBoss7FanVolley3() { TickGroup(Fan(Boss7FanVolley3)); }
void FireBoss7FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss7FanVolley3), slot, first);
}
void MoveBoss7FanVolley3() { MoveGroup(Fan(Boss7FanVolley3)); }
void DrawBoss7FanVolley3() { DrawGroup(Fan(Boss7FanVolley3)); }

void TickBoss7FanVolley4() { TickGroup(Fan(Boss7FanVolley4)); }
void FireBoss7FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss7FanVolley4), slot, first);
}
void MoveBoss7FanVolley4() { MoveGroup(Fan(Boss7FanVolley4)); }
void DrawBoss7FanVolley4() { DrawGroup(Fan(Boss7FanVolley4)); }

void TickBoss7FanVolley5() { TickGroup(Fan(Boss7FanVolley5)); }
void FireBoss7FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss7FanVolley5), slot, first);
}
void MoveBoss7FanVolley5() { MoveGroup(Fan(Boss7FanVolley5)); }
void DrawBoss7FanVolley5() { DrawGroup(Fan(Boss7FanVolley5)); }

void TickBoss7FiveWay1() { TickGroup(Fan(Boss7FiveWay1)); }
void FireBoss7FiveWay1(int slot, int first) { FireGroupMember(Fan(Boss7FiveWay1), slot, first); }
void MoveBoss7FiveWay1() { MoveGroup(Fan(Boss7FiveWay1)); }
void DrawBoss7FiveWay1() { DrawGroup(Fan(Boss7FiveWay1)); }

void TickBoss7FiveWay2() { TickGroup(Fan(Boss7FiveWay2)); }
void FireBoss7FiveWay2(int slot, int first) { FireGroupMember(Fan(Boss7FiveWay2), slot, first); }
void MoveBoss7FiveWay2() { MoveGroup(Fan(Boss7FiveWay2)); }
void DrawBoss7FiveWay2() { DrawGroup(Fan(Boss7FiveWay2)); }

void TickBoss8FanVolley1() { TickGroup(Fan(Boss8FanVolley1)); }
void FireBoss8FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss8FanVolley1), slot, first);
}
void MoveBoss8FanVolley1() { MoveGroup(Fan(Boss8FanVolley1)); }
void DrawBoss8FanVolley1() { DrawGroup(Fan(Boss8FanVolley1)); }

void TickBoss8FanVolley2() { TickGroup(Fan(Boss8FanVolley2)); }
void FireBoss8FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss8FanVolley2), slot, first);
}
void MoveBoss8FanVolley2() { MoveGroup(Fan(Boss8FanVolley2)); }
void DrawBoss8FanVolley2() { DrawGroup(Fan(Boss8FanVolley2)); }

void TickBoss8FanVolley3() { TickGroup(Fan(Boss8FanVolley3)); }
void FireBoss8FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss8FanVolley3), slot, first);
}
void MoveBoss8FanVolley3() { MoveGroup(Fan(Boss8FanVolley3)); }
void DrawBoss8FanVolley3() { DrawGroup(Fan(Boss8FanVolley3)); }

void TickBoss8FanVolley4() { TickGroup(Fan(Boss8FanVolley4)); }
void FireBoss8FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss8FanVolley4), slot, first);
}
void MoveBoss8FanVolley4() { MoveGroup(Fan(Boss8FanVolley4)); }
void DrawBoss8FanVolley4() { DrawGroup(Fan(Boss8FanVolley4)); }

void TickBoss8FanVolley5() { TickGroup(Fan(Boss8FanVolley5)); }
void FireBoss8FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss8FanVolley5), slot, first);
}
void MoveBoss8FanVolley5() { MoveGroup(Fan(Boss8FanVolley5)); }
void DrawBoss8FanVolley5() { DrawGroup(Fan(Boss8FanVolley5)); }
