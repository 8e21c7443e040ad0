#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_entry.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/background_sprites.h"
#include "game/reset.h"
#include "homing/boss_markers.h"
#include "tests/game/boss_test_helpers.h"

namespace {

struct Flame {
  int x, y;
};

struct FlameRow {
  float limit;
  std::vector<Flame> at;
  int stepX, stepY;  // pixels across and down per flame cell
};

struct BodyCase {
  const char* name;
  BossState* boss;
  int* bodyPicture;
  int width, height;
  int* flamePicture;
  int32_t* flameFrame;
  void (*hit)();
  void (*draw)();
  std::vector<FlameRow> flames;
  TargetMarker* marksA;
  TargetMarker* marksB;
  int marks;
  bool drawsMarksA, drawsMarksB;
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }

#define BODY(n, picture, w, h, flame) \
  "Boss" #n, &gBoss##n, &picture, w, h, &flame, &gBoss##n##FlameFrame, HitBoss##n, DrawBoss##n
#define MARKS(n, count, a, b) gBoss##n##MarkersA, gBoss##n##MarkersB, count, a, b
const BodyCase kBodies[] = {
    {BODY(1, gPicBoss1, 400, 300, gPicZbak3b),
     {{90, {{120, 70}, {120, 150}}, 28, 0}, {70, {{200, 20}, {200, 200}}, 28, 0}},
     MARKS(1, 3, false, false)},
    {BODY(2, gPicBoss2, 400, 300, gPicZbak4b),
     {{90, {{120, 50}, {120, 170}}, 28, 0}, {70, {{200, 0}, {280, 220}}, 28, 0}},
     MARKS(2, 3, false, false)},
    {BODY(3, gPicBoss3, 400, 300, gPicZbak3b),
     {{90, {{120, 70}, {120, 150}}, 28, 0}, {70, {{200, 20}, {200, 200}}, 28, 0}},
     MARKS(3, 5, false, false)},
    {BODY(4, gPicBoss4Body, 400, 300, gPicZbak3b),
     {{90, {{120, 30}, {200, 30}}, 0, 28}, {70, {{40, -50}, {280, -50}}, 0, 19}},
     MARKS(4, 3, true, true)},
    {BODY(5, gPicBoss5Body, 380, 460, gPicZbak3b),
     {{60, {{30, 20}, {270, 20}, {150, 100}}, 0, 28}},
     MARKS(5, 5, true, true)},
    {BODY(6, gPicBoss6Body, 460, 400, gPicZbak3b),
     {{70, {{70, 20}, {310, 20}, {190, 100}}, 0, 28}},
     MARKS(6, 9, false, true)},
    {BODY(7, gPicBoss7Body, 500, 400, gPicZbak3b),
     {{90, {{150, 70}, {270, 70}}, 0, 28}, {70, {{90, 0}, {330, 0}}, 0, 28}},
     MARKS(7, 5, false, true)},
    {BODY(8, gPicBoss8Body, 480, 400, gPicZbak3b),
     {{90, {{180, 130}, {220, 130}}, 0, 28}, {70, {{120, 70}, {280, 70}}, 0, 28}},
     MARKS(8, 5, false, true)},
};
#undef BODY
#undef MARKS

constexpr uint16_t kBody = 0x0841;
constexpr uint16_t kFlameBase = 0x7000;

class BossBodyTest : public PlayerTest, public ::testing::WithParamInterface<BodyCase> {
 protected:
  // The body in one colour and a strip of ten flame cells, cell c in colour kFlameBase + c.
  static void Pictures(const BodyCase& c) {
    *c.bodyPicture = Picture(c.width, c.height, kBody);
    *c.flamePicture = ColourStrip(10, 80, 80, kFlameBase);
  }
};
constexpr uint16_t kMark = 0x5555;
constexpr int kBx = 100, kBy = 100;

void DrawAt(const BodyCase& c, float hp, int cell) {
  c.boss->x = c.boss->y = 100.9f;  // truncated to 100
  c.boss->hp = hp;
  c.boss->defeatClock = 0.0f;
  *c.flameFrame = cell;
  gFrameScale = 0.0f;
  koDraw::ClearScreen();
  c.draw();
}

// The back-surface pixels that the flames showing at `hp` cover in `cell`.
std::vector<bool> ExpectedFlames(const BodyCase& c, float hp, int cell) {
  std::vector<bool> mask(640 * 480, false);
  for (const FlameRow& row : c.flames) {
    if (!(hp > 0 && hp <= row.limit)) continue;
    for (const Flame& f : row.at) {
      const int left = kBx + f.x + row.stepX * cell, top = kBy + f.y + row.stepY * cell;
      for (int y = top; y < top + 80; ++y)
        for (int x = left; x < left + 80; ++x)
          if (x >= 0 && x < 640 && y >= 0 && y < 480) mask[y * 640 + x] = true;
    }
  }
  return mask;
}

std::vector<bool> PixelsOf(uint16_t colour) {
  std::vector<bool> mask(640 * 480);
  for (int i = 0; i < 640 * 480; ++i) mask[i] = gBackSurface->pixels[i] == colour;
  return mask;
}

// Each flame group shows while 0 < hp <= its limit, as cell f of the strip
// drawn f steps further across or down the body; the cell steps on every draw.
TEST_P(BossBodyTest, DamageFlamesShowByHitPointsAndRunAcrossOrDownTheBody) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    Pictures(c);
    std::vector<float> hps = {0.0f, 0.5f, 1000.0f};
    for (const FlameRow& row : c.flames)
      for (float d : {-0.5f, 0.0f, 0.5f, 1.0f}) hps.push_back(row.limit + d);
    for (float hp : hps) {
      for (int cell : {0, 4, 9}) {
        DrawAt(c, hp, cell);
        EXPECT_EQ(PixelsOf(static_cast<uint16_t>(kFlameBase + cell)), ExpectedFlames(c, hp, cell))
            << "hp " << hp << " cell " << cell;
        EXPECT_EQ(*c.flameFrame, (cell + 1) % 10);
      }
    }
    DrawAt(c, 1000.0f, 0);
    EXPECT_EQ(BackPixel(kBx, kBy), kBody);
    EXPECT_EQ(BackPixel(kBx + c.width - 1, std::min(kBy + c.height, 480) - 1), kBody);
    EXPECT_EQ(BackPixel(kBx + c.width, kBy), 0);
    if (kBy + c.height < 480) {
      EXPECT_EQ(BackPixel(kBx, kBy + c.height), 0);
    }
  });
  RunFrames(kPlay + 1);
}

// Locked part marks show over the body; bosses 6 to 8 leave their set-A
// marks out, bosses 1 to 3 draw none; unlocked marks never show.
TEST_P(BossBodyTest, LockedPartMarksShowOverTheBody) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    Pictures(c);
    gPicLockMarker = Picture(60, 60, kMark);
    for (int k = 0; k < c.marks; ++k) {
      c.marksA[k] = TargetMarker{110 + 40 * k, 110, 0, 0};
      c.marksB[k] = TargetMarker{110 + 40 * k, 240, 0, 0};
    }
    const int last = c.marks - 1;
    c.marksA[0].locked = c.marksB[0].locked = 1;
    c.marksB[last].locked = 1;
    c.marksA[last - 1].locked = 1;
    DrawAt(c, 1000.0f, 0);
    EXPECT_EQ(BackPixel(110, 110), c.drawsMarksA ? kMark : kBody);
    EXPECT_EQ(BackPixel(169, 169), c.drawsMarksA ? kMark : kBody);
    EXPECT_EQ(BackPixel(110 + 40 * (last - 1) + 20, 130), c.drawsMarksA ? kMark : kBody);
    EXPECT_EQ(BackPixel(130, 260), c.drawsMarksB ? kMark : kBody);
    EXPECT_EQ(BackPixel(110 + 40 * last + 59, 299), c.drawsMarksB ? kMark : kBody);
    EXPECT_EQ(BackPixel(110 + 40 * last + 60, 299), kBody);
    const int shown = (c.drawsMarksA ? 2 : 0) + (c.drawsMarksB ? 2 : 0);
    const int overlap = c.drawsMarksA && last - 1 == 1 ? 20 * 60 : 0;  // A0 and A1 touch
    EXPECT_EQ(CountBackPixels(kMark), shown * 60 * 60 - overlap);
    for (int k = 0; k < c.marks; ++k) c.marksA[k].locked = c.marksB[k].locked = 0;
    DrawAt(c, 1000.0f, 0);
    EXPECT_EQ(CountBackPixels(kMark), 0);
  });
  RunFrames(kPlay + 1);
}

// A hit sets the flag and sounds once per call; the next draw looks like any
// other frame and clears the flag. The hit points are the caller's business.
TEST_P(BossBodyTest, AHitSoundsAndIsClearedByTheNextDraw) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    Pictures(c);
    PlaysOf(gSndBom);
    DrawAt(c, 50.0f, 2);
    const std::vector<uint16_t> plain = gBackSurface->pixels;
    c.hit();
    c.hit();
    EXPECT_EQ(c.boss->hit, 1);
    EXPECT_EQ(PlaysOf(gSndBom), 2);
    EXPECT_EQ(c.boss->hp, 50.0f);
    DrawAt(c, 50.0f, 2);
    EXPECT_EQ(c.boss->hit, 0);
    EXPECT_EQ(gBackSurface->pixels, plain);
    EXPECT_EQ(PlaysOf(gSndBom), 0);
  });
  RunFrames(kPlay + 1);
}

INSTANTIATE_TEST_SUITE_P(Bosses, BossBodyTest, ::testing::ValuesIn(kBodies),
                         [](const auto& info) { return std::string(info.param.name); });

// The game-state reset brings back the flame cells, the explosions and the
// entry pictures of bosses 4 to 8; a hit flag is kept.
TEST(LateBossReset, FlamesExplosionsAndEntryPicturesReturnToTheirStart) {
  gBoss4FlameFrame = gBoss5FlameFrame = gBoss6FlameFrame = gBoss7FlameFrame = 3;
  gBoss8FlameFrame = 9;
  gBoss5Entry = BossEntryPicture{80, 100, 400};
  gBoss7Entry = BossEntryPicture{70, -20, 500};
  gBoss6SmallExplosions[5] = BossExplosion{4, 1, 2};
  gBoss7LargeExplosions[0] = BossExplosion{2, 3, 4};
  gBoss8.hit = 1;
  EXPECT_FALSE(BossEntriesAtStart());
  ResetGameState();
  EXPECT_EQ(
      gBoss4FlameFrame + gBoss5FlameFrame + gBoss6FlameFrame + gBoss7FlameFrame + gBoss8FlameFrame,
      0);
  EXPECT_TRUE(BossEntriesAtStart());
  EXPECT_EQ(gBoss7Entry.x, -500.0f);
  EXPECT_EQ(gBoss5Entry.speed, 0.0f);
  EXPECT_TRUE(ExplosionsAtStart<gBoss6SmallExplosions>());
  EXPECT_TRUE(ExplosionsAtStart<gBoss7LargeExplosions>());
  EXPECT_EQ(gBoss8.hit, 1);
}

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
