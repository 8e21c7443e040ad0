#include "bosses/boss_state.h"

BossState gBoss1, gBoss2, gBoss3, gBoss4, gBoss5, gBoss6, gBoss7, gBoss8;
