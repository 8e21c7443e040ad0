#include "bosses/boss1_laser.h"
#include "bosses/boss_bodies.h"
#include "bosses/boss_entry.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"

BossState gBoss1, gBoss2, gBoss3, gBoss4, gBoss5, gBoss6, gBoss7, gBoss8;

namespace {

struct BossStart {
  BossState* boss;
  float x, y, hp;
  bool clearsHit;  // only boss 1's reset clears a hit left from its last frame
};

const BossStart kBossStarts[] = {
    {&gBoss1, -640, -800, 620, true},       {&gBoss2, kParkX, kParkY, 600, false},
    {&gBoss3, kParkX, kParkY, 600, false},  {&gBoss4, kParkX, kParkY, 800, false},
    {&gBoss5, kParkX, kParkY, 1000, false}, {&gBoss6, kParkX, kParkY, 1000, false},
    {&gBoss7, kParkX, kParkY, 1000, false}, {&gBoss8, kParkX, kParkY, 1220, false},
};

const BossStart& StartOf(int n) { return kBossStarts[n - 1]; }

}  // namespace

void ResetBossRecord(int n) {
  const BossStart& s = StartOf(n);
  BossState& b = *s.boss;
  b.x = s.x;
  b.y = s.y;
  b.clock = b.defeatClock = 0.0f;
  b.hp = s.hp;
  b.hitSkip = 0;
  if (s.clearsHit) b.hit = 0;
}

bool BossRecordAtStart(int n) {
  const BossStart& s = StartOf(n);
  const BossState& b = *s.boss;
  return b.x == s.x && b.y == s.y && b.clock == 0.0f && b.defeatClock == 0.0f && b.hp == s.hp &&
         b.hitSkip == 0 && (!s.clearsHit || b.hit == 0);
}

void ResetBossRecords() {
  for (int n = 1; n <= 8; ++n) ResetBossRecord(n);
  gBoss1AttackCounter = gBoss2AttackCounter = gBoss3AttackCounter = gBoss4AttackCounter = 0;
  gBoss5AttackCounter = gBoss6AttackCounter = gBoss7AttackCounter = gBoss8AttackCounter = 0;
  gBoss1FlameFrame = gBoss2FlameFrame = gBoss3FlameFrame = gBoss4FlameFrame = 0;
  gBoss5FlameFrame = gBoss6FlameFrame = gBoss7FlameFrame = gBoss8FlameFrame = 0;
  ResetBoss1Laser();
  ResetBossEntries();
}

void ResetBossExplosions() {
  ResetExplosions<gBoss1SmallExplosions>();
  ResetExplosions<gBoss1LargeExplosions>();
  ResetExplosions<gBoss2SmallExplosions>();
  ResetExplosions<gBoss2LargeExplosions>();
  ResetExplosions<gBoss3SmallExplosions>();
  ResetExplosions<gBoss3LargeExplosions>();
  ResetExplosions<gBoss4SmallExplosions>();
  ResetExplosions<gBoss4LargeExplosions>();
  ResetExplosions<gBoss5SmallExplosions>();
  ResetExplosions<gBoss5LargeExplosions>();
  ResetExplosions<gBoss6SmallExplosions>();
  ResetExplosions<gBoss6LargeExplosions>();
  ResetExplosions<gBoss7SmallExplosions>();
  ResetExplosions<gBoss7LargeExplosions>();
  ResetExplosions<gBoss8SmallExplosions>();
  ResetExplosions<gBoss8LargeExplosions>();
}
