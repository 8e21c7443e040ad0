// The drops of the stage bosses: two to four bullets started together at
// one point under the boss, falling and drifting apart.
#pragma once
#include "bosses/pair_kinds.h"

extern DropSlot gBoss1Drop1[2];
extern DropSlot gBoss1Drop2[3];
extern DropSlot gBoss1Drop3[4];
extern DropSlot gBoss2Drop1[2];
extern DropSlot gBoss2Drop2[3];
extern DropSlot gBoss2Drop3[3];
extern DropSlot gBoss2Drop4[3];
extern DropSlot gBoss2Drop5[4];
extern DropSlot gBoss3Drop1[2];
extern DropSlot gBoss3Drop2[3];
extern DropSlot gBoss3Drop3[3];
extern DropSlot gBoss3Drop4[3];
extern DropSlot gBoss3Drop5[3];
extern DropSlot gBoss3Drop6[3];
extern DropSlot gBoss3Drop7[4];

// Fire starts every free slot at the kind's point; flying ones keep their
// place. Move: drift, fall, leave and bomb test, ship test. Draw: every slot.
void FireBoss1Drop1();
void FireBoss1Drop2();
void FireBoss1Drop3();
void FireBoss2Drop1();
void FireBoss2Drop2();
void FireBoss2Drop3();
void FireBoss2Drop4();
void FireBoss2Drop5();
void FireBoss3Drop1();
void FireBoss3Drop2();
void FireBoss3Drop3();
void FireBoss3Drop4();
void FireBoss3Drop5();
void FireBoss3Drop6();
void FireBoss3Drop7();
void MoveBoss1Drop1();
void MoveBoss1Drop2();
void MoveBoss1Drop3();
void MoveBoss2Drop1();
void MoveBoss2Drop2();
void MoveBoss2Drop3();
void MoveBoss2Drop4();
void MoveBoss2Drop5();
void MoveBoss3Drop1();
void MoveBoss3Drop2();
void MoveBoss3Drop3();
void MoveBoss3Drop4();
void MoveBoss3Drop5();
void MoveBoss3Drop6();
void MoveBoss3Drop7();
void DrawBoss1Drop1();
void DrawBoss1Drop2();
void DrawBoss1Drop3();
void DrawBoss2Drop1();
void DrawBoss2Drop2();
void DrawBoss2Drop3();
void DrawBoss2Drop4();
void DrawBoss2Drop5();
void DrawBoss3Drop1();
void DrawBoss3Drop2();
void DrawBoss3Drop3();
void DrawBoss3Drop4();
void DrawBoss3Drop5();
void DrawBoss3Drop6();
void DrawBoss3Drop7();
