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

// Bosses 1 to 3 run their flames across the body, bosses 4 to 8 down it.
// Bosses 1 to 3 draw no part marks, bosses 4 and 5 both sets, bosses 6 to 8
// only set B.
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

#define BODY(n, picture, flame) \
  "Boss" #n, &gBoss##n, &picture, &flame, &gBoss##n##FlameFrame, HitBoss##n, DrawBoss##n
#define MARKS(n, count) gBoss##n##MarkersA, gBoss##n##MarkersB, count
const BodyCase kBodies[] = {
    {BODY(1, gPicBoss1, gPicZbak3b),
     {{90, {{120, 70}, {120, 150}}, 28, 0}, {70, {{200, 20}, {200, 200}}, 28, 0}},
     MARKS(1, 3),
     false,
     false},
    {BODY(2, gPicBoss2, gPicZbak4b),
     {{90, {{120, 50}, {120, 170}}, 28, 0}, {70, {{200, 0}, {280, 220}}, 28, 0}},
     MARKS(2, 3),
     false,
     false},
    {BODY(3, gPicBoss3, gPicZbak3b),
     {{90, {{120, 70}, {120, 150}}, 28, 0}, {70, {{200, 20}, {200, 200}}, 28, 0}},
     MARKS(3, 5),
     false,
     false},
    {BODY(4, gPicBoss4Body, gPicZbak3b),
     {{90, {{120, 30}, {200, 30}}, 0, 28}, {70, {{40, -50}, {280, -50}}, 0, 19}},
     MARKS(4, 3),
     true,
     true},
    {BODY(5, gPicBoss5Body, gPicZbak3b),
     {{60, {{30, 20}, {270, 20}, {150, 100}}, 0, 28}},
     MARKS(5, 5),
     true,
     true},
    {BODY(6, gPicBoss6Body, gPicZbak3b),
     {{70, {{70, 20}, {310, 20}, {190, 100}}, 0, 28}},
     MARKS(6, 9),
     false,
     true},
    {BODY(7, gPicBoss7Body, gPicZbak3b),
     {{90, {{150, 70}, {270, 70}}, 0, 28}, {70, {{90, 0}, {330, 0}}, 0, 28}},
     MARKS(7, 5),
     false,
     true},
    {BODY(8, gPicBoss8Body, gPicZbak3b),
     {{90, {{180, 130}, {220, 130}}, 0, 28}, {70, {{120, 70}, {280, 70}}, 0, 28}},
     MARKS(8, 5),
     false,
     true},
};
#undef BODY
#undef MARKS

constexpr uint16_t kBody = 0x0841, kFlameBase = 0x7000, kMark = 0x5555;

class BossBodyTest : public PlayerTest, public ::testing::WithParamInterface<BodyCase> {
 protected:
  // The body in one colour, larger than any boss draws, and a strip of ten
  // flame cells, cell c in colour kFlameBase + c.
  static void Pictures(const BodyCase& c) {
    *c.bodyPicture = Picture(500, 460, kBody);
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

// Screen pixels that break the flame picture of a draw at `hp` with `cell`:
// flame colour outside the 80 x 80 cells of the groups that show, or missing
// inside one.
int FlamePixelsOutOfPlace(const BodyCase& c, float hp, int cell) {
  const uint16_t flame = static_cast<uint16_t>(kFlameBase + cell);
  int wrong = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      bool inside = false;
      for (const FlameRow& row : c.flames) {
        if (!(hp > 0.0f && hp <= row.limit)) continue;
        for (const auto& [fx, fy] : row.at) {
          const int left = 100 + fx + row.stepX * cell, top = 100 + fy + row.stepY * cell;
          inside = inside || (x >= left && x < left + 80 && y >= top && y < top + 80);
        }
      }
      wrong += (BackPixel(x, y) == flame) != inside;
    }
  return wrong;
}

// Each flame group shows while 0 < hp <= its limit, as cell c of the strip
// drawn c steps further across or down the body, and nothing else shows in
// flame colours; the cell steps on every draw and wraps to 0 past the last.
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
          EXPECT_EQ(FlamePixelsOutOfPlace(c, row.limit + d, cell), 0)
              << "hp " << row.limit + d << " cell " << cell;
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

// Where mark k of set A (set 0) or B (set 1) is put: six to a row, 62 pixels
// apart so that each shows whole and alone, all of them over every boss's body.
int MarkX(int k) { return 100 + 62 * (k % 6); }
int MarkY(int set, int k) { return 100 + 140 * set + 62 * (k / 6); }

// Every part of both sets has a mark of its own. Locked marks of the sets the
// boss draws show whole at their places over the body; the boss leaves out
// the other sets and every unlocked mark. All marks locked, then every other
// one (set A's even parts, set B's odd ones), then none.
TEST_P(BossBodyTest, LockedPartMarksShowOverTheBody) {
  const BodyCase& c = GetParam();
  At(kPlay, [&] {
    Pictures(c);
    gPicLockMarker = Picture(60, 60, kMark);
    TargetMarker* const sets[] = {c.marksA, c.marksB};
    const bool draws[] = {c.drawsMarksA, c.drawsMarksB};
    for (int pattern = 0; pattern < 3; ++pattern) {
      auto locked = [&](int set, int k) { return pattern == 0 || (pattern == 1 && k % 2 == set); };
      for (int set = 0; set < 2; ++set)
        for (int k = 0; k < c.marks; ++k)
          sets[set][k] = TargetMarker{MarkX(k), MarkY(set, k), locked(set, k) ? 1 : 0, 0};
      DrawAt(c, 1000.0f, 0);
      int shown = 0;
      for (int set = 0; set < 2; ++set)
        for (int k = 0; k < c.marks; ++k) {
          const bool show = draws[set] && locked(set, k);
          shown += show;
          const int x = MarkX(k), y = MarkY(set, k);
          SCOPED_TRACE(::testing::Message() << "set " << static_cast<char>('A' + set) << " part "
                                            << k << " pattern " << pattern);
          EXPECT_EQ(BackPixel(x, y), show ? kMark : kBody);
          EXPECT_EQ(BackPixel(x + 59, y + 59), show ? kMark : kBody);
        }
      EXPECT_EQ(CountBackPixels(kMark), shown * 60 * 60) << "pattern " << pattern;
    }
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
