// The named operations and tables of the aimed kinds; each operation runs
// the shared routine with its kind's row.
#include "bosses/aimed_kinds.h"

using enum AimedKindId;

AimedShotSlot gBoss1AimedShot1[5];
AimedShotSlot gBoss1AimedShot2[5];
AimedVolleySlot gBoss1AimedVolley1[20];
AimedVolleySlot gBoss1AimedVolley2[25];
AimedVolleySlot gBoss1AimedVolley3[35];
AimedVolleySlot gBoss1AimedVolley4[25];
AimedShotSlot gBoss2AimedShot1[72];
AimedShotSlot gBoss2AimedShot2[72];
AimedVolleySlot gBoss3AimedVolley1[25];
AimedVolleySlot gBoss3AimedVolley2[25];
AimedVolleySlot gBoss3AimedVolley3[25];
AimedVolleySlot gBoss3AimedVolley4[35];
AimedVolleySlot gBoss3AimedVolley5[35];
AimedVolleySlot gBoss3AimedVolley6[35];
AimedShotSlot gBoss3AimedShot1[200];
AimedShotSlot gBoss3AimedShot2[300];

void FireBoss1AimedShot1() { FireAimedString(Boss1AimedShot1); }
void MoveBoss1AimedShot1() { MoveAimed(Boss1AimedShot1); }
void DrawBoss1AimedShot1() { DrawAimed(Boss1AimedShot1); }

void FireBoss1AimedShot2() { FireAimedString(Boss1AimedShot2); }
void MoveBoss1AimedShot2() { MoveAimed(Boss1AimedShot2); }
void DrawBoss1AimedShot2() { DrawAimed(Boss1AimedShot2); }

void TickBoss1AimedVolley1() { TickAimed(Boss1AimedVolley1); }
void MoveBoss1AimedVolley1() { MoveAimed(Boss1AimedVolley1); }
void DrawBoss1AimedVolley1() { DrawAimed(Boss1AimedVolley1); }

void FireBoss1AimedVolley2(int slot, int first) { FireAimed(Boss1AimedVolley2, slot, first); }
void TickBoss1AimedVolley2() { TickAimed(Boss1AimedVolley2); }
void MoveBoss1AimedVolley2() { MoveAimed(Boss1AimedVolley2); }
void DrawBoss1AimedVolley2() { DrawAimed(Boss1AimedVolley2); }

void FireBoss1AimedVolley3(int slot, int first) { FireAimed(Boss1AimedVolley3, slot, first); }
void TickBoss1AimedVolley3() { TickAimed(Boss1AimedVolley3); }
void MoveBoss1AimedVolley3() { MoveAimed(Boss1AimedVolley3); }
void DrawBoss1AimedVolley3() { DrawAimed(Boss1AimedVolley3); }

void FireBoss1AimedVolley4(int slot, int first) { FireAimed(Boss1AimedVolley4, slot, first); }
void TickBoss1AimedVolley4() { TickAimed(Boss1AimedVolley4); }
void MoveBoss1AimedVolley4() { MoveAimed(Boss1AimedVolley4); }
void DrawBoss1AimedVolley4() { DrawAimed(Boss1AimedVolley4); }

void FireBoss2AimedShot1(int slot) { FireAimed(Boss2AimedShot1, slot, 0); }
void TickBoss2AimedShot1() { TickAimed(Boss2AimedShot1); }
void MoveBoss2AimedShot1() { MoveAimed(Boss2AimedShot1); }
void DrawBoss2AimedShot1() { DrawAimed(Boss2AimedShot1); }

void FireBoss2AimedShot2(int slot) { FireAimed(Boss2AimedShot2, slot, 0); }
void TickBoss2AimedShot2() { TickAimed(Boss2AimedShot2); }
void MoveBoss2AimedShot2() { MoveAimed(Boss2AimedShot2); }
void DrawBoss2AimedShot2() { DrawAimed(Boss2AimedShot2); }

void FireBoss3AimedVolley1(int slot, int first) { FireAimed(Boss3AimedVolley1, slot, first); }
void TickBoss3AimedVolley1() { TickAimed(Boss3AimedVolley1); }
void MoveBoss3AimedVolley1() { MoveAimed(Boss3AimedVolley1); }
void DrawBoss3AimedVolley1() { DrawAimed(Boss3AimedVolley1); }

void FireBoss3AimedVolley2(int slot, int first) { FireAimed(Boss3AimedVolley2, slot, first); }
void TickBoss3AimedVolley2() { TickAimed(Boss3AimedVolley2); }
void MoveBoss3AimedVolley2() { MoveAimed(Boss3AimedVolley2); }
void DrawBoss3AimedVolley2() { DrawAimed(Boss3AimedVolley2); }

void FireBoss3AimedVolley3(int slot, int first) { FireAimed(Boss3AimedVolley3, slot, first); }
void TickBoss3AimedVolley3() { TickAimed(Boss3AimedVolley3); }
void MoveBoss3AimedVolley3() { MoveAimed(Boss3AimedVolley3); }
void DrawBoss3AimedVolley3() { DrawAimed(Boss3AimedVolley3); }

void FireBoss3AimedVolley4(int slot, int first) { FireAimed(Boss3AimedVolley4, slot, first); }
void TickBoss3AimedVolley4() { TickAimed(Boss3AimedVolley4); }
void MoveBoss3AimedVolley4() { MoveAimed(Boss3AimedVolley4); }
void DrawBoss3AimedVolley4() { DrawAimed(Boss3AimedVolley4); }

void FireBoss3AimedVolley5(int slot, int first) { FireAimed(Boss3AimedVolley5, slot, first); }
void TickBoss3AimedVolley5() { TickAimed(Boss3AimedVolley5); }
void MoveBoss3AimedVolley5() { MoveAimed(Boss3AimedVolley5); }
void DrawBoss3AimedVolley5() { DrawAimed(Boss3AimedVolley5); }

void FireBoss3AimedVolley6(int slot, int first) { FireAimed(Boss3AimedVolley6, slot, first); }
void TickBoss3AimedVolley6() { TickAimed(Boss3AimedVolley6); }
void MoveBoss3AimedVolley6() { MoveAimed(Boss3AimedVolley6); }
void DrawBoss3AimedVolley6() { DrawAimed(Boss3AimedVolley6); }

void FireBoss3AimedShot1(int slot) { FireAimed(Boss3AimedShot1, slot, 0); }
void TickBoss3AimedShot1() { TickAimed(Boss3AimedShot1); }
void MoveBoss3AimedShot1() { MoveAimed(Boss3AimedShot1); }
void DrawBoss3AimedShot1() { DrawAimed(Boss3AimedShot1); }

void FireBoss3AimedShot2(int slot) { FireAimed(Boss3AimedShot2, slot, 0); }
void TickBoss3AimedShot2() { TickAimed(Boss3AimedShot2); }
void MoveBoss3AimedShot2() { MoveAimed(Boss3AimedShot2); }
void DrawBoss3AimedShot2() { DrawAimed(Boss3AimedShot2); }
