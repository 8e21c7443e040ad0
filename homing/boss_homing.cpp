#include "homing/boss_homing.h"

HomingMissile gHomingBoss1A[3], gHomingBoss1B[3], gHomingBoss2A[3], gHomingBoss2B[3],
    gHomingBoss3A[5], gHomingBoss3B[5], gHomingBoss4A[3], gHomingBoss4B[3], gHomingBoss5A[5],
    gHomingBoss5B[5], gHomingBoss6A[9], gHomingBoss6B[9], gHomingBoss7A[5], gHomingBoss7B[5],
    gHomingBoss8A[5], gHomingBoss8B[5];
