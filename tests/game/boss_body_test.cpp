#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_reset.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/reset.h"
#include "tests/game/boss_test_helpers.h"

namespace {

struct Flame {
  int x, y;
};

struct BodyCase {
  const char* name;
  BossState* boss;
  int* bodyPicture;
  int* flamePicture;
  int32_t* flameFrame;
  void (*hit)();
  void (*draw)();
  Flame pair90[2], pair70[2];  // offsets of the two pairs at flame cell 0
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }

const BodyCase kBodies[] = {
    {"Boss1",
     &gBoss1,
     &gPicBoss1,
     &gPicZbak3b,
     &gBoss1FlameFrame,
     HitBoss1,
     DrawBoss1,
     {{120, 70}, {120, 150}},
     {{200, 20}, {200, 200}}},
    {"Boss2",
     &gBoss2,
     &gPicBoss2,
     &gPicZbak4b,
     &gBoss2FlameFrame,
     HitBoss2,
     DrawBoss2,
     {{120, 50}, {120, 170}},
     {{200, 0}, {280, 220}}},
    {"Boss3",
     &gBoss3,
     &gPicBoss3,
     &gPicZbak3b,
     &gBoss3FlameFrame,
     HitBoss3,
     DrawBoss3,
     {{120, 70}, {120, 150}},
     {{200, 20}, {200, 200}}},
};

class BossBodyTest : public PlayerTest, public ::testing::WithParamInterface<BodyCase> {};

constexpr uint16_t kBody = 0x0841;
constexpr uint16_t kFlameBase = 0x7000;
constexpr int kBx = 100, kBy = 100;

// One draw at (100.9, 100.9) with the given hp and flame cell; returns the flame cells' pixels.
int DrawAt(const BodyCase& c, float hp, int cell) {
  c.boss->x = c.boss->y = 100.9f;  // truncated to 100
  c.boss->hp = hp;
  c.boss->defeatClock = 0.0f;
  *c.flameFrame = cell;
  gFrameScale = 0.0f;
  koDraw::ClearScreen();
  c.draw();
  return CountBackPixels(static_cast<uint16_t>(kFlameBase + cell));
}

// The first pair shows from 90 hit points down, the second from 70, none at 0;
// each flame is the current cell, 28 pixels further right per cell.
TEST_P(BossBodyTest, DamageFlamesShowByHitPointsAndRunAcrossTheBody) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    *c.bodyPicture = Picture(400, 300, kBody);
    *c.flamePicture = ColourStrip(10, 80, 80, kFlameBase);
    struct Step {
      float hp;
      int flames;
    };
    for (const Step s : {Step{91, 0}, Step{90, 2}, Step{70.5f, 2}, Step{70, 4}, Step{0.5f, 4}}) {
      for (int cell : {0, 3, 5}) {
        EXPECT_EQ(DrawAt(c, s.hp, cell), s.flames * 80 * 80) << s.hp << " cell " << cell;
        EXPECT_EQ(*c.flameFrame, cell + 1);
        if (s.flames == 0) continue;
        const uint16_t colour = static_cast<uint16_t>(kFlameBase + cell);
        for (const Flame& f : c.pair90)
          EXPECT_EQ(BackPixel(kBx + f.x + 28 * cell, kBy + f.y), colour) << s.hp;
        if (s.flames < 4) continue;
        for (const Flame& f : c.pair70)
          EXPECT_EQ(BackPixel(kBx + f.x + 28 * cell, kBy + f.y), colour) << s.hp;
      }
    }
    DrawAt(c, 91.0f, 9);
    EXPECT_EQ(*c.flameFrame, 0);  // the cell wraps after 9, flames shown or not
    EXPECT_EQ(BackPixel(kBx, kBy), kBody);
    EXPECT_EQ(BackPixel(kBx + 399, kBy + 299), kBody);
    EXPECT_EQ(BackPixel(kBx + 400, kBy), 0);
    // At 0 the flames are gone, the cell still steps, and the defeat begins.
    EXPECT_EQ(DrawAt(c, 0.0f, 4), 0);
    EXPECT_EQ(*c.flameFrame, 5);
  });
  RunFrames(kPlay + 1);
}

// A hit sets the flag and sounds once per call; the next draw looks like any
// other frame and clears the flag. The hit points are the caller's business.
TEST_P(BossBodyTest, AHitSoundsAndIsClearedByTheNextDrawWithoutShowing) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    *c.bodyPicture = Picture(400, 300, kBody);
    *c.flamePicture = ColourStrip(10, 80, 80, kFlameBase);
    PlaysOf(gSndBom);
    DrawAt(c, 80.0f, 2);
    const std::vector<uint16_t> plain = gBackSurface->pixels;
    c.hit();
    c.hit();
    EXPECT_EQ(c.boss->hit, 1);
    EXPECT_EQ(PlaysOf(gSndBom), 2);
    EXPECT_EQ(c.boss->hp, 80.0f);
    DrawAt(c, 80.0f, 2);
    EXPECT_EQ(c.boss->hit, 0);
    EXPECT_EQ(gBackSurface->pixels, plain);
    EXPECT_EQ(PlaysOf(gSndBom), 0);
  });
  RunFrames(kPlay + 1);
}

INSTANTIATE_TEST_SUITE_P(Bosses, BossBodyTest, ::testing::ValuesIn(kBodies),
                         [](const auto& info) { return std::string(info.param.name); });

// The reset writes every boss record's start values; only boss 1 loses a hit
// left from its last frame.
TEST(BossReset, EveryRecordStartsAtItsPointAndOnlyBoss1ClearsItsHit) {
  BossState* bosses[] = {&gBoss1, &gBoss2, &gBoss3, &gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  for (BossState* b : bosses) *b = BossState{1, 2, 3, -4, 5, 6, 1};
  gBoss1AttackCount = gBoss5AttackCounter = gBoss8AttackCounter = 77;
  gBoss1FlameFrame = gBoss2FlameFrame = gBoss3FlameFrame = 7;
  for (int n = 1; n <= 8; ++n) EXPECT_FALSE(BossRecordAtStart(n)) << n;
  ResetGameState();
  const float hp[] = {620, 600, 600, 800, 1000, 1000, 1000, 1220};
  for (int n = 1; n <= 8; ++n) {
    const BossState& b = *bosses[n - 1];
    EXPECT_TRUE(BossRecordAtStart(n)) << n;
    EXPECT_EQ(b.x, n == 1 ? -640.0f : -500.0f) << n;
    EXPECT_EQ(b.y, n == 1 ? -800.0f : 500.0f) << n;
    EXPECT_EQ(b.hp, hp[n - 1]) << n;
    EXPECT_EQ(b.clock + b.defeatClock, 0.0f) << n;
    EXPECT_EQ(b.hitSkip, 0) << n;
    EXPECT_EQ(b.hit, n == 1 ? 0 : 1) << n;
  }
  EXPECT_EQ(gBoss1AttackCount + gBoss5AttackCounter + gBoss8AttackCounter, 0);
  EXPECT_EQ(gBoss1FlameFrame + gBoss2FlameFrame + gBoss3FlameFrame, 0);
}

TEST(BossReset, TheTableHooksRestoreOneRecordOrOneExplosionTable) {
  gBoss4 = BossState{1, 2, 3, 4, 5, 6, 7};
  EXPECT_FALSE(BossAtStart<4>());
  ResetBoss<4>();
  EXPECT_TRUE(BossAtStart<4>());
  EXPECT_EQ(gBoss4.hit, 7);
  gBoss2SmallExplosions[5] = {3, 1, 1};
  EXPECT_FALSE(ExplosionsAtStart<gBoss2SmallExplosions>());
  ResetBossExplosions();
  EXPECT_TRUE(ExplosionsAtStart<gBoss2SmallExplosions>());
  EXPECT_TRUE(ExplosionsAtStart<gBoss1LargeExplosions>());
  EXPECT_EQ(gBoss3LargeExplosions[7].x, -500.0f);
}

}  // namespace
