// The named operations, tables and counters of the hazard streams; each
// operation runs the shared routine with its kind's row.
#include "bosses/hazard_kinds.h"

using enum HazardKindId;

HazardSlot gBoss1Hazard1A[kHazardSlots], gBoss1Hazard1B[kHazardSlots], gBoss1Hazard1C[kHazardSlots];
HazardSlot gBoss1Hazard2[kHazardSlots];
HazardSlot gBoss1Hazard3[kHazardSlots];
HazardSlot gBoss1Hazard4[kHazardSlots];
HazardSlot gBoss1Hazard5[kHazardSlots];
HazardSlot gBoss2Hazard1[kHazardSlots];
HazardSlot gBoss2Hazard2[kHazardSlots];
HazardSlot gBoss2Hazard3[kHazardSlots];
HazardSlot gBoss2Hazard4A[kHazardSlots], gBoss2Hazard4B[kHazardSlots], gBoss2Hazard4C[kHazardSlots];
HazardSlot gBoss3Hazard1A[kHazardSlots], gBoss3Hazard1B[kHazardSlots], gBoss3Hazard1C[kHazardSlots];
HazardSlot gBoss3Hazard2A[kHazardSlots], gBoss3Hazard2B[kHazardSlots], gBoss3Hazard2C[kHazardSlots];
HazardSlot gBoss3Hazard3A[kHazardSlots], gBoss3Hazard3B[kHazardSlots], gBoss3Hazard3C[kHazardSlots];

int32_t gBoss1Hazard1Counter, gBoss1Hazard2Counter, gBoss1Hazard3Counter, gBoss1Hazard4Counter,
    gBoss1Hazard5Counter, gBoss2Hazard1Counter, gBoss2Hazard2Counter, gBoss2Hazard3Counter,
    gBoss2Hazard4Counter, gBoss3Hazard1Counter, gBoss3Hazard2Counter, gBoss3Hazard3Counter;

void TickBoss1Hazard1() { TickHazard(Boss1Hazard1); }
void FireBoss1Hazard1(int slot) { FireHazard(Boss1Hazard1, slot); }
void MoveBoss1Hazard1() { MoveHazard(Boss1Hazard1); }
void DrawBoss1Hazard1() { DrawHazard(Boss1Hazard1); }

void TickBoss1Hazard2() { TickHazard(Boss1Hazard2); }
void FireBoss1Hazard2(int slot) { FireHazard(Boss1Hazard2, slot); }
void MoveBoss1Hazard2() { MoveHazard(Boss1Hazard2); }
void DrawBoss1Hazard2() { DrawHazard(Boss1Hazard2); }

void TickBoss1Hazard3() { TickHazard(Boss1Hazard3); }
void FireBoss1Hazard3(int slot) { FireHazard(Boss1Hazard3, slot); }
void MoveBoss1Hazard3() { MoveHazard(Boss1Hazard3); }
void DrawBoss1Hazard3() { DrawHazard(Boss1Hazard3); }

void TickBoss1Hazard4() { TickHazard(Boss1Hazard4); }
void FireBoss1Hazard4(int slot) { FireHazard(Boss1Hazard4, slot); }
void MoveBoss1Hazard4() { MoveHazard(Boss1Hazard4); }
void DrawBoss1Hazard4() { DrawHazard(Boss1Hazard4); }

void TickBoss1Hazard5() { TickHazard(Boss1Hazard5); }
void FireBoss1Hazard5(int slot) { FireHazard(Boss1Hazard5, slot); }
void MoveBoss1Hazard5() { MoveHazard(Boss1Hazard5); }
void DrawBoss1Hazard5() { DrawHazard(Boss1Hazard5); }

void TickBoss2Hazard1() { TickHazard(Boss2Hazard1); }
void FireBoss2Hazard1(int slot) { FireHazard(Boss2Hazard1, slot); }
void MoveBoss2Hazard1() { MoveHazard(Boss2Hazard1); }
void DrawBoss2Hazard1() { DrawHazard(Boss2Hazard1); }

void TickBoss2Hazard2() { TickHazard(Boss2Hazard2); }
void FireBoss2Hazard2(int slot) { FireHazard(Boss2Hazard2, slot); }
void MoveBoss2Hazard2() { MoveHazard(Boss2Hazard2); }
void DrawBoss2Hazard2() { DrawHazard(Boss2Hazard2); }

void TickBoss2Hazard3() { TickHazard(Boss2Hazard3); }
void FireBoss2Hazard3(int slot) { FireHazard(Boss2Hazard3, slot); }
void MoveBoss2Hazard3() { MoveHazard(Boss2Hazard3); }
void DrawBoss2Hazard3() { DrawHazard(Boss2Hazard3); }

void TickBoss2Hazard4() { TickHazard(Boss2Hazard4); }
void FireBoss2Hazard4(int slot) { FireHazard(Boss2Hazard4, slot); }
void MoveBoss2Hazard4() { MoveHazard(Boss2Hazard4); }
void DrawBoss2Hazard4() { DrawHazard(Boss2Hazard4); }

void TickBoss3Hazard1() { TickHazard(Boss3Hazard1); }
void FireBoss3Hazard1(int slot) { FireHazard(Boss3Hazard1, slot); }
void MoveBoss3Hazard1() { MoveHazard(Boss3Hazard1); }
void DrawBoss3Hazard1() { DrawHazard(Boss3Hazard1); }

void TickBoss3Hazard2() { TickHazard(Boss3Hazard2); }
void FireBoss3Hazard2(int slot) { FireHazard(Boss3Hazard2, slot); }
void MoveBoss3Hazard2() { MoveHazard(Boss3Hazard2); }
void DrawBoss3Hazard2() { DrawHazard(Boss3Hazard2); }

void TickBoss3Hazard3() { TickHazard(Boss3Hazard3); }
void FireBoss3Hazard3(int slot) { FireHazard(Boss3Hazard3, slot); }
void MoveBoss3Hazard3() { MoveHazard(Boss3Hazard3); }
void DrawBoss3Hazard3() { DrawHazard(Boss3Hazard3); }
