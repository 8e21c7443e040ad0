// The named operations and tables of the aimed kinds of bosses 4 to 8; each
// operation runs the shared aimed routine with its kind's row.
#include "bosses/late_aimed.h"

#include "bosses/aimed_kinds.h"

using enum AimedKindId;

AimedShotSlot gBoss4AimedShot1[72];
AimedShotSlot gBoss4AimedShot2[72];
AimedVolleySlot gBoss4AimedVolley1[15];
AimedVolleySlot gBoss4AimedVolley2[15];
AimedVolleySlot gBoss5AimedVolley1[35];
AimedVolleySlot gBoss5AimedVolley2[35];
AimedVolleySlot gBoss5AimedVolley3[25];
AimedVolleySlot gBoss5AimedVolley4[25];
AimedShotSlot gBoss6AimedShot1[300];
AimedShotSlot gBoss7AimedShot1[72];
AimedShotSlot gBoss7AimedShot2[72];
AimedShotSlot gBoss8AimedShot1[300];

void FireBoss4AimedShot1(int slot) { FireAimedRing(Boss4AimedShot1, slot); }
void TickBoss4AimedShot1() { TickAimed(Boss4AimedShot1); }
void MoveBoss4AimedShot1() { MoveAimed(Boss4AimedShot1); }
void DrawBoss4AimedShot1() { DrawAimed(Boss4AimedShot1); }

void FireBoss4AimedShot2(int slot) { FireAimedRing(Boss4AimedShot2, slot); }
void TickBoss4AimedShot2() { TickAimed(Boss4AimedShot2); }
void MoveBoss4AimedShot2() { MoveAimed(Boss4AimedShot2); }
void DrawBoss4AimedShot2() { DrawAimed(Boss4AimedShot2); }

void FireBoss4AimedVolley1(int slot, int first) { FireAimed(Boss4AimedVolley1, slot, first); }
void TickBoss4AimedVolley1() { TickAimed(Boss4AimedVolley1); }
void MoveBoss4AimedVolley1() { MoveAimed(Boss4AimedVolley1); }
void DrawBoss4AimedVolley1() { DrawAimed(Boss4AimedVolley1); }

void FireBoss4AimedVolley2(int slot, int first) { FireAimed(Boss4AimedVolley2, slot, first); }
void TickBoss4AimedVolley2() { TickAimed(Boss4AimedVolley2); }
void MoveBoss4AimedVolley2() { MoveAimed(Boss4AimedVolley2); }
void DrawBoss4AimedVolley2() { DrawAimed(Boss4AimedVolley2); }

void FireBoss5AimedVolley1(int slot, int first) { FireAimed(Boss5AimedVolley1, slot, first); }
void TickBoss5AimedVolley1() { TickAimed(Boss5AimedVolley1); }
void MoveBoss5AimedVolley1() { MoveAimed(Boss5AimedVolley1); }
void DrawBoss5AimedVolley1() { DrawAimed(Boss5AimedVolley1); }

void FireBoss5AimedVolley2(int slot, int first) { FireAimed(Boss5AimedVolley2, slot, first); }
void TickBoss5AimedVolley2() { TickAimed(Boss5AimedVolley2); }
void MoveBoss5AimedVolley2() { MoveAimed(Boss5AimedVolley2); }
void DrawBoss5AimedVolley2() { DrawAimed(Boss5AimedVolley2); }

void FireBoss5AimedVolley3(int slot, int first) { FireAimed(Boss5AimedVolley3, slot, first); }
void TickBoss5AimedVolley3() { TickAimed(Boss5AimedVolley3); }
void MoveBoss5AimedVolley3() { MoveAimed(Boss5AimedVolley3); }
void DrawBoss5AimedVolley3() { DrawAimed(Boss5AimedVolley3); }

void FireBoss5AimedVolley4(int slot, int first) { FireAimed(Boss5AimedVolley4, slot, first); }
void TickBoss5AimedVolley4() { TickAimed(Boss5AimedVolley4); }
void MoveBoss5AimedVolley4() { MoveAimed(Boss5AimedVolley4); }
void DrawBoss5AimedVolley4() { DrawAimed(Boss5AimedVolley4); }

void FireBoss6AimedShot1(int slot) { FireAimedRing(Boss6AimedShot1, slot); }
void TickBoss6AimedShot1() { TickAimed(Boss6AimedShot1); }
void MoveBoss6AimedShot1() { MoveAimed(Boss6AimedShot1); }
void DrawBoss6AimedShot1() { DrawAimed(Boss6AimedShot1); }

void FireBoss7AimedShot1(int slot) { FireAimedRing(Boss7AimedShot1, slot); }
void TickBoss7AimedShot1() { TickAimed(Boss7AimedShot1); }
void MoveBoss7AimedShot1() { MoveAimed(Boss7AimedShot1); }
void DrawBoss7AimedShot1() { DrawAimed(Boss7AimedShot1); }

void FireBoss7AimedShot2(int slot) { FireAimedRing(Boss7AimedShot2, slot); }
void TickBoss7AimedShot2() { TickAimed(Boss7AimedShot2); }
void MoveBoss7AimedShot2() { MoveAimed(Boss7AimedShot2); }
void DrawBoss7AimedShot2() { DrawAimed(Boss7AimedShot2); }

void FireBoss8AimedShot1(int slot) { FireAimedRing(Boss8AimedShot1, slot); }
void TickBoss8AimedShot1() { TickAimed(Boss8AimedShot1); }
void MoveBoss8AimedShot1() { MoveAimed(Boss8AimedShot1); }
void DrawBoss8AimedShot1() { DrawAimed(Boss8AimedShot1); }
