#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_entry.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
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
  int step;  // pixels down per flame cell
};

struct LateBossCase {
  const char* name;
  BossState* boss;
  int* bodyPicture;
  int width, height;
  int32_t* flameFrame;
  void (*hit)();
  void (*draw)();
  std::vector<FlameRow> flames;
  TargetMarker* marksA;
  TargetMarker* marksB;
  int marks;
  bool drawsMarksA;
};

void PrintTo(const LateBossCase& c, std::ostream* os) { *os << c.name; }

const LateBossCase kLateBosses[] = {
    {"Boss4",
     &gBoss4,
     &gPicBoss4Body,
     400,
     300,
     &gBoss4FlameFrame,
     HitBoss4,
     DrawBoss4,
     {{90, {{120, 30}, {200, 30}}, 28}, {70, {{40, -50}, {280, -50}}, 19}},
     gBoss4MarkersA,
     gBoss4MarkersB,
     3,
     true},
    {"Boss5",
     &gBoss5,
     &gPicBoss5Body,
     380,
     460,
     &gBoss5FlameFrame,
     HitBoss5,
     DrawBoss5,
     {{60, {{30, 20}, {270, 20}, {150, 100}}, 28}},
     gBoss5MarkersA,
     gBoss5MarkersB,
     5,
     true},
    {"Boss6",
     &gBoss6,
     &gPicBoss6Body,
     460,
     400,
     &gBoss6FlameFrame,
     HitBoss6,
     DrawBoss6,
     {{70, {{70, 20}, {310, 20}, {190, 100}}, 28}},
     gBoss6MarkersA,
     gBoss6MarkersB,
     9,
     false},
    {"Boss7",
     &gBoss7,
     &gPicBoss7Body,
     500,
     400,
     &gBoss7FlameFrame,
     HitBoss7,
     DrawBoss7,
     {{90, {{150, 70}, {270, 70}}, 28}, {70, {{90, 0}, {330, 0}}, 28}},
     gBoss7MarkersA,
     gBoss7MarkersB,
     5,
     false},
    {"Boss8",
     &gBoss8,
     &gPicBoss8Body,
     480,
     400,
     &gBoss8FlameFrame,
     HitBoss8,
     DrawBoss8,
     {{90, {{180, 130}, {220, 130}}, 28}, {70, {{120, 70}, {280, 70}}, 28}},
     gBoss8MarkersA,
     gBoss8MarkersB,
     5,
     false},
};

class LateBossBodyTest : public PlayerTest, public ::testing::WithParamInterface<LateBossCase> {};

constexpr uint16_t kBody = 0x0841;
constexpr uint16_t kFlameBase = 0x7000;
constexpr uint16_t kMark = 0x5555;
constexpr int kBx = 100, kBy = 100;

void DrawAt(const LateBossCase& c, float hp, int cell) {
  c.boss->x = c.boss->y = 100.9f;  // truncated to 100
  c.boss->hp = hp;
  c.boss->defeatClock = 0.0f;
  *c.flameFrame = cell;
  gFrameScale = 0.0f;
  koDraw::ClearScreen();
  c.draw();
}

// The back-surface pixels that the flames showing at `hp` cover in `cell`.
std::vector<bool> ExpectedFlames(const LateBossCase& c, float hp, int cell) {
  std::vector<bool> mask(640 * 480, false);
  for (const FlameRow& row : c.flames) {
    if (!(hp > 0 && hp <= row.limit)) continue;
    for (const Flame& f : row.at)
      for (int y = kBy + f.y + row.step * cell; y < kBy + f.y + row.step * cell + 80; ++y)
        for (int x = kBx + f.x; x < kBx + f.x + 80; ++x)
          if (x >= 0 && x < 640 && y >= 0 && y < 480) mask[y * 640 + x] = true;
  }
  return mask;
}

std::vector<bool> PixelsOf(uint16_t colour) {
  std::vector<bool> mask(640 * 480);
  for (int i = 0; i < 640 * 480; ++i) mask[i] = gBackSurface->pixels[i] == colour;
  return mask;
}

// Each flame group shows while 0 < hp <= its limit, as cell f of the strip
// drawn f steps further down the body; the cell steps on every draw.
TEST_P(LateBossBodyTest, DamageFlamesShowByHitPointsAndRunDownTheBody) {
  const LateBossCase& c = GetParam();
  At(kPlay, [&] {
    *c.bodyPicture = Picture(c.width, c.height, kBody);
    gPicZbak3b = ColourStrip(10, 80, 80, kFlameBase);
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
// marks out; unlocked marks never show.
TEST_P(LateBossBodyTest, LockedPartMarksShowOverTheBody) {
  const LateBossCase& c = GetParam();
  At(kPlay, [&] {
    *c.bodyPicture = Picture(c.width, c.height, kBody);
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
    EXPECT_EQ(BackPixel(130, 260), kMark);
    EXPECT_EQ(BackPixel(110 + 40 * last + 59, 299), kMark);
    EXPECT_EQ(BackPixel(110 + 40 * last + 60, 299), kBody);
    const int shown = (c.drawsMarksA ? 2 : 0) + 2;
    const int overlap = c.drawsMarksA && last - 1 == 1 ? 20 * 60 : 0;  // A0 and A1 touch
    EXPECT_EQ(CountBackPixels(kMark), shown * 60 * 60 - overlap);
    for (int k = 0; k < c.marks; ++k) c.marksA[k].locked = c.marksB[k].locked = 0;
    DrawAt(c, 1000.0f, 0);
    EXPECT_EQ(CountBackPixels(kMark), 0);
  });
  RunFrames(kPlay + 1);
}

// A hit sounds once per call and the next draw clears it without showing it.
TEST_P(LateBossBodyTest, AHitSoundsAndIsClearedByTheNextDraw) {
  const LateBossCase& c = GetParam();
  At(kPlay, [&] {
    *c.bodyPicture = Picture(c.width, c.height, kBody);
    gPicZbak3b = ColourStrip(10, 80, 80, kFlameBase);
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
  });
  RunFrames(kPlay + 1);
}

INSTANTIATE_TEST_SUITE_P(Bosses, LateBossBodyTest, ::testing::ValuesIn(kLateBosses),
                         [](const auto& info) { return std::string(info.param.name); });

using EarlyBossMarksTest = PlayerTest;

// The bodies of bosses 1 to 3 draw no marks, locked or not.
TEST_F(EarlyBossMarksTest, Bosses1To3DrawNoMarks) {
  At(kPlay, [&] {
    gPicLockMarker = Picture(60, 60, kMark);
    for (TargetMarker* set : {gBoss1MarkersA, gBoss1MarkersB, gBoss2MarkersA, gBoss2MarkersB})
      for (int k = 0; k < 3; ++k) set[k] = TargetMarker{200, 200, 1, 0};
    for (TargetMarker* set : {gBoss3MarkersA, gBoss3MarkersB})
      for (int k = 0; k < 5; ++k) set[k] = TargetMarker{200, 200, 1, 0};
    gFrameScale = 0.0f;
    koDraw::ClearScreen();
    DrawBoss1();
    DrawBoss2();
    DrawBoss3();
    EXPECT_EQ(CountBackPixels(kMark), 0);
  });
  RunFrames(kPlay + 1);
}

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

}  // namespace
