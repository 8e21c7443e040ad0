#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

#include "bosses/boss_bodies.h"
#include "bosses/boss_entry.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "engine/system/ko_system.h"
#include "game/background_sprites.h"
#include "tests/game/boss_test_helpers.h"

namespace {

void ExpectAt(const BossState& b, float x, float y) {
  EXPECT_NEAR(b.x, x, 0.01f) << "clock " << b.clock;
  EXPECT_NEAR(b.y, y, 0.01f) << "clock " << b.clock;
}

// Boss 6's entry window includes clock 0: it is placed on its very first
// call, where boss 2 waits at its reset point. Boss 5's entry picture waits
// below the screen from clock 0 on.
TEST(BossMove, Boss6IsPlacedOnItsFirstCallAtClockZero) {
  ResetBossRecords();
  gFrameScale = 0.0f;
  MoveBoss2();
  MoveBoss6();
  MoveBoss5();
  ExpectAt(gBoss2, -500, 500);
  ExpectAt(gBoss6, 90, -360);
  EXPECT_TRUE(gBoss5Entry.x == 80.0f && gBoss5Entry.y == 480.0f && gBoss5Entry.speed == 400.0f);
}

struct EntryCase {
  const char* name;
  void (*move)();
  const BossState& boss;
  BossEntryPicture& entry;
  int* picture;
  int width, height;
  int firstRise;       // first clock that moves it up
  float column, step;  // pixels up per call at one clock unit per call
  int parkedAt;        // the clock whose rise takes it past the top
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

const EntryCase kEntries[] = {
    {"Boss5", MoveBoss5, gBoss5, gBoss5Entry, &gPicBoss5Entry, 480, 480, 22, 80, 40, 46},
    {"Boss7", MoveBoss7, gBoss7, gBoss7Entry, &gPicBoss7Body, 500, 400, 15, 70, 50, 34},
};

class BossEntryTest : public PlayerTest, public ::testing::WithParamInterface<EntryCase> {};

constexpr uint16_t kEntry = 0x2222;

// Rows of the screen that the entry picture covers.
int VisibleRows(const EntryCase& c) { return CountBackPixels(kEntry) / c.width; }

// The picture waits below the screen, then sweeps up across it on its column
// at its speed (drawn where the previous call left it), is parked once past
// the top, and the boss stays at its reset point until its clock passes 60.
TEST_P(BossEntryTest, ThePictureSweepsUpTheScreenBeforeTheBossComesIn) {
  const EntryCase& c = GetParam();
  At(kPlay, [&] {
    ResetBossRecords();
    *c.picture = Picture(c.width, c.height, kEntry);
    gFrameScale = 0.1f;  // one clock unit per call
    for (int clock = 1; clock <= 61; ++clock) {
      koDraw::ClearScreen();
      c.move();
      ASSERT_EQ(c.boss.clock, static_cast<float>(clock));
      const int rose = clock - c.firstRise + 1;  // rising calls so far
      if (clock < c.firstRise) {  // waiting, then between the windows nothing happens
        EXPECT_TRUE(c.entry.x == c.column && c.entry.y == 480.0f) << clock;
        EXPECT_EQ(VisibleRows(c), 0) << clock;
      } else if (clock < c.parkedAt) {
        EXPECT_EQ(c.entry.y, 480.0f - c.step * rose) << clock;
        const int drawnAt = static_cast<int>(480.0f - c.step * (rose - 1));
        const int rows = std::min(480, drawnAt + c.height) - std::max(0, drawnAt);
        EXPECT_EQ(VisibleRows(c), std::max(0, rows)) << clock;
        if (rows > 0) {
          EXPECT_EQ(BackPixel(static_cast<int>(c.column), std::max(0, drawnAt)), kEntry);
        }
      } else if (clock <= 59) {
        // Parked, it still gets its column back on every rising call.
        EXPECT_TRUE(c.entry.y == 500.0f && c.entry.speed == 0.0f) << clock;
        EXPECT_EQ(c.entry.x, clock == c.parkedAt ? -500.0f : c.column) << clock;
      }
      if (clock <= 60) {
        EXPECT_TRUE(c.boss.x == -500.0f && c.boss.y == 500.0f) << clock;
      }
    }
    EXPECT_GT(c.boss.y, -500.0f);
    EXPECT_LT(c.boss.y, 0.0f);  // placed above the top edge
    ResetBossRecords();
    EXPECT_TRUE(BossEntriesAtStart());
  });
  RunFrames(kPlay + 1);
}

INSTANTIATE_TEST_SUITE_P(Bosses, BossEntryTest, ::testing::ValuesIn(kEntries),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
