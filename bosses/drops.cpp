// The tables of the drops and their named operations; each operation runs
// the shared routine with its kind's row.
#include "bosses/drops.h"

using enum PairKindId;

DropSlot gBoss1Drop1[2];
DropSlot gBoss1Drop2[3];
DropSlot gBoss1Drop3[4];
DropSlot gBoss2Drop1[2];
DropSlot gBoss2Drop2[3];
DropSlot gBoss2Drop3[3];
DropSlot gBoss2Drop4[3];
DropSlot gBoss2Drop5[4];
DropSlot gBoss3Drop1[2];
DropSlot gBoss3Drop2[3];
DropSlot gBoss3Drop3[3];
DropSlot gBoss3Drop4[3];
DropSlot gBoss3Drop5[3];
DropSlot gBoss3Drop6[3];
DropSlot gBoss3Drop7[4];

void FireBoss1Drop1() { FireEveryIdle(PairKind(Boss1Drop1)); }
void MoveBoss1Drop1() { MoveGroup(PairKind(Boss1Drop1)); }
void DrawBoss1Drop1() { DrawGroup(PairKind(Boss1Drop1)); }

void FireBoss1Drop2() { FireEveryIdle(PairKind(Boss1Drop2)); }
void MoveBoss1Drop2() { MoveGroup(PairKind(Boss1Drop2)); }
void DrawBoss1Drop2() { DrawGroup(PairKind(Boss1Drop2)); }

void FireBoss1Drop3() { FireEveryIdle(PairKind(Boss1Drop3)); }
void MoveBoss1Drop3() { MoveGroup(PairKind(Boss1Drop3)); }
void DrawBoss1Drop3() { DrawGroup(PairKind(Boss1Drop3)); }

void FireBoss2Drop1() { FireEveryIdle(PairKind(Boss2Drop1)); }
void MoveBoss2Drop1() { MoveGroup(PairKind(Boss2Drop1)); }
void DrawBoss2Drop1() { DrawGroup(PairKind(Boss2Drop1)); }

void FireBoss2Drop2() { FireEveryIdle(PairKind(Boss2Drop2)); }
void MoveBoss2Drop2() { MoveGroup(PairKind(Boss2Drop2)); }
void DrawBoss2Drop2() { DrawGroup(PairKind(Boss2Drop2)); }

void FireBoss2Drop3() { FireEveryIdle(PairKind(Boss2Drop3)); }
void MoveBoss2Drop3() { MoveGroup(PairKind(Boss2Drop3)); }
void DrawBoss2Drop3() { DrawGroup(PairKind(Boss2Drop3)); }

void FireBoss2Drop4() { FireEveryIdle(PairKind(Boss2Drop4)); }
void MoveBoss2Drop4() { MoveGroup(PairKind(Boss2Drop4)); }
void DrawBoss2Drop4() { DrawGroup(PairKind(Boss2Drop4)); }

void FireBoss2Drop5() { FireEveryIdle(PairKind(Boss2Drop5)); }
void MoveBoss2Drop5() { MoveGroup(PairKind(Boss2Drop5)); }
void DrawBoss2Drop5() { DrawGroup(PairKind(Boss2Drop5)); }

void FireBoss3Drop1() { FireEveryIdle(PairKind(Boss3Drop1)); }
void MoveBoss3Drop1() { MoveGroup(PairKind(Boss3Drop1)); }
void DrawBoss3Drop1() { DrawGroup(PairKind(Boss3Drop1)); }

void FireBoss3Drop2() { FireEveryIdle(PairKind(Boss3Drop2)); }
void MoveBoss3Drop2() { MoveGroup(PairKind(Boss3Drop2)); }
void DrawBoss3Drop2() { DrawGroup(PairKind(Boss3Drop2)); }

void FireBoss3Drop3() { FireEveryIdle(PairKind(Boss3Drop3)); }
void MoveBoss3Drop3() { MoveGroup(PairKind(Boss3Drop3)); }
void DrawBoss3Drop3() { DrawGroup(PairKind(Boss3Drop3)); }

void FireBoss3Drop4() { FireEveryIdle(PairKind(Boss3Drop4)); }
void MoveBoss3Drop4() { MoveGroup(PairKind(Boss3Drop4)); }
void DrawBoss3Drop4() { DrawGroup(PairKind(Boss3Drop4)); }

void FireBoss3Drop5() { FireEveryIdle(PairKind(Boss3Drop5)); }
void MoveBoss3Drop5() { MoveGroup(PairKind(Boss3Drop5)); }
void DrawBoss3Drop5() { DrawGroup(PairKind(Boss3Drop5)); }

void FireBoss3Drop6() { FireEveryIdle(PairKind(Boss3Drop6)); }
void MoveBoss3Drop6() { MoveGroup(PairKind(Boss3Drop6)); }
void DrawBoss3Drop6() { DrawGroup(PairKind(Boss3Drop6)); }

void FireBoss3Drop7() { FireEveryIdle(PairKind(Boss3Drop7)); }
void MoveBoss3Drop7() { MoveGroup(PairKind(Boss3Drop7)); }
void DrawBoss3Drop7() { DrawGroup(PairKind(Boss3Drop7)); }
