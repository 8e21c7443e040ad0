// The boss sections of stages 4 to 8.
#pragma once
#include "game/boss_sections.h"

extern const BossSection kBoss4Section, kBoss5Section, kBoss6Section, kBoss7Section, kBoss8Section;
