// The tables of the drops of bosses 4 to 8 and their named operations; each
// operation runs the shared grouped-kind routine with its kind's row.
#include "bosses/late_drops.h"

using enum PairKindId;

DropSlot gBoss4Drop1[2];
DropSlot gBoss4Drop2[2];
DropSlot gBoss4Drop3[2];
DropSlot gBoss4Drop4[3];
DropSlot gBoss4Drop5[3];
DropSlot gBoss4Drop6[3];
DropSlot gBoss4Drop7[3];
DropSlot gBoss4Drop8[3];
DropSlot gBoss4Drop9[4];
DropSlot gBoss5Drop1[2];
DropSlot gBoss5Drop2[2];
DropSlot gBoss5Drop3[2];
DropSlot gBoss5Drop4[3];
DropSlot gBoss5Drop5[3];
DropSlot gBoss5Drop6[3];
DropSlot gBoss5Drop7[3];
DropSlot gBoss5Drop8[3];
DropSlot gBoss5Drop9[4];
DropSlot gBoss6Drop1[2];
DropSlot gBoss6Drop2[2];
DropSlot gBoss6Drop3[2];
DropSlot gBoss6Drop4[3];
DropSlot gBoss6Drop5[3];
DropSlot gBoss6Drop6[3];
DropSlot gBoss6Drop7[3];
DropSlot gBoss6Drop8[3];
DropSlot gBoss6Drop9[4];
DropSlot gBoss7Drop1[2];
DropSlot gBoss7Drop2[2];
DropSlot gBoss7Drop3[2];
DropSlot gBoss7Drop4[3];
DropSlot gBoss7Drop5[3];
DropSlot gBoss7Drop6[3];
DropSlot gBoss7Drop7[3];
DropSlot gBoss7Drop8[3];
DropSlot gBoss7Drop9[4];
DropSlot gBoss8Drop1[2];
DropSlot gBoss8Drop2[2];
DropSlot gBoss8Drop3[2];
DropSlot gBoss8Drop4[3];
DropSlot gBoss8Drop5[3];
DropSlot gBoss8Drop6[3];
DropSlot gBoss8Drop7[3];
DropSlot gBoss8Drop8[3];
DropSlot gBoss8Drop9[4];

void FireBoss4Drop1() { FireEveryIdle(PairKind(Boss4Drop1)); }
void MoveBoss4Drop1() { MoveGroup(PairKind(Boss4Drop1)); }
void DrawBoss4Drop1() { DrawGroup(PairKind(Boss4Drop1)); }

void FireBoss4Drop2() { FireEveryIdle(PairKind(Boss4Drop2)); }
void MoveBoss4Drop2() { MoveGroup(PairKind(Boss4Drop2)); }
void DrawBoss4Drop2() { DrawGroup(PairKind(Boss4Drop2)); }

void FireBoss4Drop3() { FireEveryIdle(PairKind(Boss4Drop3)); }
void MoveBoss4Drop3() { MoveGroup(PairKind(Boss4Drop3)); }
void DrawBoss4Drop3() { DrawGroup(PairKind(Boss4Drop3)); }

void FireBoss4Drop4() { FireEveryIdle(PairKind(Boss4Drop4)); }
void MoveBoss4Drop4() { MoveGroup(PairKind(Boss4Drop4)); }
void DrawBoss4Drop4() { DrawGroup(PairKind(Boss4Drop4)); }

void FireBoss4Drop5() { FireEveryIdle(PairKind(Boss4Drop5)); }
void MoveBoss4Drop5() { MoveGroup(PairKind(Boss4Drop5)); }
void DrawBoss4Drop5() { DrawGroup(PairKind(Boss4Drop5)); }

void FireBoss4Drop6() { FireEveryIdle(PairKind(Boss4Drop6)); }
void MoveBoss4Drop6() { MoveGroup(PairKind(Boss4Drop6)); }
void DrawBoss4Drop6() { DrawGroup(PairKind(Boss4Drop6)); }

void FireBoss4Drop7() { FireEveryIdle(PairKind(Boss4Drop7)); }
void MoveBoss4Drop7() { MoveGroup(PairKind(Boss4Drop7)); }
void DrawBoss4Drop7() { DrawGroup(PairKind(Boss4Drop7)); }

void FireBoss4Drop8() { FireEveryIdle(PairKind(Boss4Drop8)); }
void MoveBoss4Drop8() { MoveGroup(PairKind(Boss4Drop8)); }
void DrawBoss4Drop8() { DrawGroup(PairKind(Boss4Drop8)); }

void FireBoss4Drop9() { FireEveryIdle(PairKind(Boss4Drop9)); }
void MoveBoss4Drop9() { MoveGroup(PairKind(Boss4Drop9)); }
void DrawBoss4Drop9() { DrawGroup(PairKind(Boss4Drop9)); }

void FireBoss5Drop1() { FireEveryIdle(PairKind(Boss5Drop1)); }
void MoveBoss5Drop1() { MoveGroup(PairKind(Boss5Drop1)); }
void DrawBoss5Drop1() { DrawGroup(PairKind(Boss5Drop1)); }

void FireBoss5Drop2() { FireEveryIdle(PairKind(Boss5Drop2)); }
void MoveBoss5Drop2() { MoveGroup(PairKind(Boss5Drop2)); }
void DrawBoss5Drop2() { DrawGroup(PairKind(Boss5Drop2)); }

void FireBoss5Drop3() { FireEveryIdle(PairKind(Boss5Drop3)); }
void MoveBoss5Drop3() { MoveGroup(PairKind(Boss5Drop3)); }
void DrawBoss5Drop3() { DrawGroup(PairKind(Boss5Drop3)); }

void FireBoss5Drop4() { FireEveryIdle(PairKind(Boss5Drop4)); }
void MoveBoss5Drop4() { MoveGroup(PairKind(Boss5Drop4)); }
void DrawBoss5Drop4() { DrawGroup(PairKind(Boss5Drop4)); }

void FireBoss5Drop5() { FireEveryIdle(PairKind(Boss5Drop5)); }
void MoveBoss5Drop5() { MoveGroup(PairKind(Boss5Drop5)); }
void DrawBoss5Drop5() { DrawGroup(PairKind(Boss5Drop5)); }

void FireBoss5Drop6() { FireEveryIdle(PairKind(Boss5Drop6)); }
void MoveBoss5Drop6() { MoveGroup(PairKind(Boss5Drop6)); }
void DrawBoss5Drop6() { DrawGroup(PairKind(Boss5Drop6)); }

void FireBoss5Drop7() { FireEveryIdle(PairKind(Boss5Drop7)); }
void MoveBoss5Drop7() { MoveGroup(PairKind(Boss5Drop7)); }
void DrawBoss5Drop7() { DrawGroup(PairKind(Boss5Drop7)); }

void FireBoss5Drop8() { FireEveryIdle(PairKind(Boss5Drop8)); }
void MoveBoss5Drop8() { MoveGroup(PairKind(Boss5Drop8)); }
void DrawBoss5Drop8() { DrawGroup(PairKind(Boss5Drop8)); }

void FireBoss5Drop9() { FireEveryIdle(PairKind(Boss5Drop9)); }
void MoveBoss5Drop9() { MoveGroup(PairKind(Boss5Drop9)); }
void DrawBoss5Drop9() { DrawGroup(PairKind(Boss5Drop9)); }

void FireBoss6Drop1() { FireEveryIdle(PairKind(Boss6Drop1)); }
void MoveBoss6Drop1() { MoveGroup(PairKind(Boss6Drop1)); }
void DrawBoss6Drop1() { DrawGroup(PairKind(Boss6Drop1)); }

void FireBoss6Drop2() { FireEveryIdle(PairKind(Boss6Drop2)); }
void MoveBoss6Drop2() { MoveGroup(PairKind(Boss6Drop2)); }
void DrawBoss6Drop2() { DrawGroup(PairKind(Boss6Drop2)); }

void FireBoss6Drop3() { FireEveryIdle(PairKind(Boss6Drop3)); }
void MoveBoss6Drop3() { MoveGroup(PairKind(Boss6Drop3)); }
void DrawBoss6Drop3() { DrawGroup(PairKind(Boss6Drop3)); }

void FireBoss6Drop4() { FireEveryIdle(PairKind(Boss6Drop4)); }
void MoveBoss6Drop4() { MoveGroup(PairKind(Boss6Drop4)); }
void DrawBoss6Drop4() { DrawGroup(PairKind(Boss6Drop4)); }

void FireBoss6Drop5() { FireEveryIdle(PairKind(Boss6Drop5)); }
void MoveBoss6Drop5() { MoveGroup(PairKind(Boss6Drop5)); }
void DrawBoss6Drop5() { DrawGroup(PairKind(Boss6Drop5)); }

void FireBoss6Drop6() { FireEveryIdle(PairKind(Boss6Drop6)); }
void MoveBoss6Drop6() { MoveGroup(PairKind(Boss6Drop6)); }
void DrawBoss6Drop6() { DrawGroup(PairKind(Boss6Drop6)); }

void FireBoss6Drop7() { FireEveryIdle(PairKind(Boss6Drop7)); }
void MoveBoss6Drop7() { MoveGroup(PairKind(Boss6Drop7)); }
void DrawBoss6Drop7() { DrawGroup(PairKind(Boss6Drop7)); }

void FireBoss6Drop8() { FireEveryIdle(PairKind(Boss6Drop8)); }
void MoveBoss6Drop8() { MoveGroup(PairKind(Boss6Drop8)); }
void DrawBoss6Drop8() { DrawGroup(PairKind(Boss6Drop8)); }

void FireBoss6Drop9() { FireEveryIdle(PairKind(Boss6Drop9)); }
void MoveBoss6Drop9() { MoveGroup(PairKind(Boss6Drop9)); }
void DrawBoss6Drop9() { DrawGroup(PairKind(Boss6Drop9)); }

void FireBoss7Drop1() { FireEveryIdle(PairKind(Boss7Drop1)); }
void MoveBoss7Drop1() { MoveGroup(PairKind(Boss7Drop1)); }
void DrawBoss7Drop1() { DrawGroup(PairKind(Boss7Drop1)); }

void FireBoss7Drop2() { FireEveryIdle(PairKind(Boss7Drop2)); }
void MoveBoss7Drop2() { MoveGroup(PairKind(Boss7Drop2)); }
void DrawBoss7Drop2() { DrawGroup(PairKind(Boss7Drop2)); }

void FireBoss7Drop3() { FireEveryIdle(PairKind(Boss7Drop3)); }
void MoveBoss7Drop3() { MoveGroup(PairKind(Boss7Drop3)); }
void DrawBoss7Drop3() { DrawGroup(PairKind(Boss7Drop3)); }

void FireBoss7Drop4() { FireEveryIdle(PairKind(Boss7Drop4)); }
void MoveBoss7Drop4() { MoveGroup(PairKind(Boss7Drop4)); }
void DrawBoss7Drop4() { DrawGroup(PairKind(Boss7Drop4)); }

void FireBoss7Drop5() { FireEveryIdle(PairKind(Boss7Drop5)); }
void MoveBoss7Drop5() { MoveGroup(PairKind(Boss7Drop5)); }
void DrawBoss7Drop5() { DrawGroup(PairKind(Boss7Drop5)); }

void FireBoss7Drop6() { FireEveryIdle(PairKind(Boss7Drop6)); }
void MoveBoss7Drop6() { MoveGroup(PairKind(Boss7Drop6)); }
void DrawBoss7Drop6() { DrawGroup(PairKind(Boss7Drop6)); }

void FireBoss7Drop7() { FireEveryIdle(PairKind(Boss7Drop7)); }
void MoveBoss7Drop7() { MoveGroup(PairKind(Boss7Drop7)); }
void DrawBoss7Drop7() { DrawGroup(PairKind(Boss7Drop7)); }

void FireBoss7Drop8() { FireEveryIdle(PairKind(Boss7Drop8)); }
void MoveBoss7Drop8() { MoveGroup(PairKind(Boss7Drop8)); }
void DrawBoss7Drop8() { DrawGroup(PairKind(Boss7Drop8)); }

void FireBoss7Drop9() { FireEveryIdle(PairKind(Boss7Drop9)); }
void MoveBoss7Drop9() { MoveGroup(PairKind(Boss7Drop9)); }
void DrawBoss7Drop9() { DrawGroup(PairKind(Boss7Drop9)); }

void FireBoss8Drop1() { FireEveryIdle(PairKind(Boss8Drop1)); }
void MoveBoss8Drop1() { MoveGroup(PairKind(Boss8Drop1)); }
void DrawBoss8Drop1() { DrawGroup(PairKind(Boss8Drop1)); }

void FireBoss8Drop2() { FireEveryIdle(PairKind(Boss8Drop2)); }
void MoveBoss8Drop2() { MoveGroup(PairKind(Boss8Drop2)); }
void DrawBoss8Drop2() { DrawGroup(PairKind(Boss8Drop2)); }

void FireBoss8Drop3() { FireEveryIdle(PairKind(Boss8Drop3)); }
void MoveBoss8Drop3() { MoveGroup(PairKind(Boss8Drop3)); }
void DrawBoss8Drop3() { DrawGroup(PairKind(Boss8Drop3)); }

void FireBoss8Drop4() { FireEveryIdle(PairKind(Boss8Drop4)); }
void MoveBoss8Drop4() { MoveGroup(PairKind(Boss8Drop4)); }
void DrawBoss8Drop4() { DrawGroup(PairKind(Boss8Drop4)); }

void FireBoss8Drop5() { FireEveryIdle(PairKind(Boss8Drop5)); }
void MoveBoss8Drop5() { MoveGroup(PairKind(Boss8Drop5)); }
void DrawBoss8Drop5() { DrawGroup(PairKind(Boss8Drop5)); }

void FireBoss8Drop6() { FireEveryIdle(PairKind(Boss8Drop6)); }
void MoveBoss8Drop6() { MoveGroup(PairKind(Boss8Drop6)); }
void DrawBoss8Drop6() { DrawGroup(PairKind(Boss8Drop6)); }

void FireBoss8Drop7() { FireEveryIdle(PairKind(Boss8Drop7)); }
void MoveBoss8Drop7() { MoveGroup(PairKind(Boss8Drop7)); }
void DrawBoss8Drop7() { DrawGroup(PairKind(Boss8Drop7)); }

void FireBoss8Drop8() { FireEveryIdle(PairKind(Boss8Drop8)); }
void MoveBoss8Drop8() { MoveGroup(PairKind(Boss8Drop8)); }
void DrawBoss8Drop8() { DrawGroup(PairKind(Boss8Drop8)); }

void FireBoss8Drop9() { FireEveryIdle(PairKind(Boss8Drop9)); }
void MoveBoss8Drop9() { MoveGroup(PairKind(Boss8Drop9)); }
void DrawBoss8Drop9() { DrawGroup(PairKind(Boss8Drop9)); }
