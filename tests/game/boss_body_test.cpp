#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "game/assets.h"
#include "game/background_sprites.h"
#include "game/reset.h"
#include "homing/boss_markers.h"
#include "tests/game/boss_test_helpers.h"

namespace {

struct FlameRow {
  float limit;
  std::vector<std::pair<int, int>> at;
  int stepX, stepY;  // pixels across and down per flame cell
};

// Boss 1 runs its flames across the body, bosses 4 and 6 down it; boss 1
// draws no part marks, boss 4 both sets, boss 6 only set B.
struct BodyCase {
  const char* name;
  BossState* boss;
  int* bodyPicture;
  int* flamePicture;
  int32_t* flameFrame;
  void (*hit)();
  void (*draw)();
  std::vector<FlameRow> flames;
  TargetMarker *marksA, *marksB;
  int marks;  // parts in each set
  bool drawsMarksA, drawsMarksB;
};

void PrintTo(const BodyCase& c, std::ostream* os) { *os << c.name; }

#define BODY(n, picture) \
  "Boss" #n, &gBoss##n, &picture, &gPicZbak3b, &gBoss##n##FlameFrame, HitBoss##n, DrawBoss##n
#define MARKS(n, count) gBoss##n##MarkersA, gBoss##n##MarkersB, count
const BodyCase kBodies[] = {
    {BODY(1, gPicBoss1),
     {{90, {{120, 70}, {120, 150}}, 28, 0}, {70, {{200, 20}, {200, 200}}, 28, 0}},
     MARKS(1, 3),
     false,
     false},
    {BODY(4, gPicBoss4Body),
     {{90, {{120, 30}, {200, 30}}, 0, 28}, {70, {{40, -50}, {280, -50}}, 0, 19}},
     MARKS(4, 3),
     true,
     true},
    {BODY(6, gPicBoss6Body),
     {{70, {{70, 20}, {310, 20}, {190, 100}}, 0, 28}},
     MARKS(6, 9),
     false,
     true},
};
#undef BODY
#undef MARKS

constexpr uint16_t kBody = 0x0841, kFlameBase = 0x7000, kMark = 0x5555;

class BossBodyTest : public PlayerTest, public ::testing::WithParamInterface<BodyCase> {
 protected:
  // The body in one colour and a strip of ten flame cells, cell c in colour kFlameBase + c.
  static void Pictures(const BodyCase& c) {
    *c.bodyPicture = Picture(460, 400, kBody);
    *c.flamePicture = ColourStrip(10, 80, 80, kFlameBase);
  }
};

void DrawAt(const BodyCase& c, float hp, int cell) {
  c.boss->x = c.boss->y = 100.9f;  // truncated to 100
  c.boss->hp = hp;
  c.boss->defeatClock = 0.0f;
  *c.flameFrame = cell;
  gFrameScale = 0.0f;
  koDraw::ClearScreen();
  c.draw();
}

// Each flame group shows while 0 < hp <= its limit, as cell c of the strip
// drawn c steps further across or down the body; the cell steps on every draw
// and wraps to 0 past the last.
TEST_P(BossBodyTest, DamageFlamesShowByHitPointsAndRunAcrossOrDownTheBody) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    Pictures(c);
    for (int cell : {0, 9}) {
      DrawAt(c, 0.0f, cell);
      EXPECT_EQ(CountBackPixels(static_cast<uint16_t>(kFlameBase + cell)), 0);
      for (const FlameRow& row : c.flames)
        for (float d : {-0.5f, 0.0f, 0.5f}) {
          DrawAt(c, row.limit + d, cell);
          EXPECT_EQ(*c.flameFrame, (cell + 1) % 10);
          for (const auto& [fx, fy] : row.at) {
            const int x = 140 + fx + row.stepX * cell, y = 140 + fy + row.stepY * cell;
            if (y >= 480) continue;
            EXPECT_EQ(BackPixel(x, y) == kFlameBase + cell, d <= 0)
                << "hp " << row.limit + d << " cell " << cell << " at " << x << "," << y;
          }
        }
    }
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

INSTANTIATE_TEST_SUITE_P(Bosses, BossBodyTest, ::testing::ValuesIn(kBodies),
                         [](const auto& info) { return std::string(info.param.name); });

// The reset writes the records' start values; only boss 1 loses a hit left
// from its last frame.
TEST(BossReset, OnlyBoss1ClearsAHitLeftFromItsLastFrame) {
  gBoss1 = gBoss8 = BossState{1, 2, 3, -4, 5, 6, 1};
  ResetGameState();
  EXPECT_TRUE(BossRecordAtStart(1));
  EXPECT_EQ(gBoss1.hit, 0);
  EXPECT_EQ(gBoss8.hit, 1);
}

}  // namespace
