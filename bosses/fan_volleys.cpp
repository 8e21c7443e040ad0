// The tables of the fan-volley kinds and their named operations; each
// operation runs the shared routine with its kind's row.
#include "bosses/fan_volleys.h"

using enum FanKindId;

FanVolleySlot gBoss1FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss1FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss2FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss2FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss2FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss2FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss2FanVolley5[kFanVolleySlots];
FanVolleySlot gBoss3FanVolley1[kFanVolleySlots];
FanVolleySlot gBoss3FanVolley2[kFanVolleySlots];
FanVolleySlot gBoss3FanVolley3[kFanVolleySlots];
FanVolleySlot gBoss3FanVolley4[kFanVolleySlots];
FanVolleySlot gBoss3FanVolley5[kFanVolleySlots];

void TickBoss1FanVolley1() { TickGroup(Fan(Boss1FanVolley1)); }
void MoveBoss1FanVolley1() { MoveGroup(Fan(Boss1FanVolley1)); }
void DrawBoss1FanVolley1() { DrawGroup(Fan(Boss1FanVolley1)); }

void TickBoss1FanVolley2() { TickGroup(Fan(Boss1FanVolley2)); }
void MoveBoss1FanVolley2() { MoveGroup(Fan(Boss1FanVolley2)); }
void DrawBoss1FanVolley2() { DrawGroup(Fan(Boss1FanVolley2)); }

void FireBoss2FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss2FanVolley1), slot, first);
}
void TickBoss2FanVolley1() { TickGroup(Fan(Boss2FanVolley1)); }
void MoveBoss2FanVolley1() { MoveGroup(Fan(Boss2FanVolley1)); }
void DrawBoss2FanVolley1() { DrawGroup(Fan(Boss2FanVolley1)); }

void FireBoss2FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss2FanVolley2), slot, first);
}
void TickBoss2FanVolley2() { TickGroup(Fan(Boss2FanVolley2)); }
void MoveBoss2FanVolley2() { MoveGroup(Fan(Boss2FanVolley2)); }
void DrawBoss2FanVolley2() { DrawGroup(Fan(Boss2FanVolley2)); }

void FireBoss2FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss2FanVolley3), slot, first);
}
void TickBoss2FanVolley3() { TickGroup(Fan(Boss2FanVolley3)); }
void MoveBoss2FanVolley3() { MoveGroup(Fan(Boss2FanVolley3)); }
void DrawBoss2FanVolley3() { DrawGroup(Fan(Boss2FanVolley3)); }

void FireBoss2FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss2FanVolley4), slot, first);
}
void TickBoss2FanVolley4() { TickGroup(Fan(Boss2FanVolley4)); }
void MoveBoss2FanVolley4() { MoveGroup(Fan(Boss2FanVolley4)); }
void DrawBoss2FanVolley4() { DrawGroup(Fan(Boss2FanVolley4)); }

void FireBoss2FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss2FanVolley5), slot, first);
}
void TickBoss2FanVolley5() { TickGroup(Fan(Boss2FanVolley5)); }
void MoveBoss2FanVolley5() { MoveGroup(Fan(Boss2FanVolley5)); }
void DrawBoss2FanVolley5() { DrawGroup(Fan(Boss2FanVolley5)); }

void FireBoss3FanVolley1(int slot, int first) {
  FireGroupMember(Fan(Boss3FanVolley1), slot, first);
}
void TickBoss3FanVolley1() { TickGroup(Fan(Boss3FanVolley1)); }
void MoveBoss3FanVolley1() { MoveGroup(Fan(Boss3FanVolley1)); }
void DrawBoss3FanVolley1() { DrawGroup(Fan(Boss3FanVolley1)); }

void FireBoss3FanVolley2(int slot, int first) {
  FireGroupMember(Fan(Boss3FanVolley2), slot, first);
}
void TickBoss3FanVolley2() { TickGroup(Fan(Boss3FanVolley2)); }
void MoveBoss3FanVolley2() { MoveGroup(Fan(Boss3FanVolley2)); }
void DrawBoss3FanVolley2() { DrawGroup(Fan(Boss3FanVolley2)); }

void FireBoss3FanVolley3(int slot, int first) {
  FireGroupMember(Fan(Boss3FanVolley3), slot, first);
}
void TickBoss3FanVolley3() { TickGroup(Fan(Boss3FanVolley3)); }
void MoveBoss3FanVolley3() { MoveGroup(Fan(Boss3FanVolley3)); }
void DrawBoss3FanVolley3() { DrawGroup(Fan(Boss3FanVolley3)); }

void FireBoss3FanVolley4(int slot, int first) {
  FireGroupMember(Fan(Boss3FanVolley4), slot, first);
}
void TickBoss3FanVolley4() { TickGroup(Fan(Boss3FanVolley4)); }
void MoveBoss3FanVolley4() { MoveGroup(Fan(Boss3FanVolley4)); }
void DrawBoss3FanVolley4() { DrawGroup(Fan(Boss3FanVolley4)); }

void FireBoss3FanVolley5(int slot, int first) {
  FireGroupMember(Fan(Boss3FanVolley5), slot, first);
}
void TickBoss3FanVolley5() { TickGroup(Fan(Boss3FanVolley5)); }
void MoveBoss3FanVolley5() { MoveGroup(Fan(Boss3FanVolley5)); }
void DrawBoss3FanVolley5() { DrawGroup(Fan(Boss3FanVolley5)); }
