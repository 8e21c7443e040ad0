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

// Steps the boss at one clock unit per call until its clock reaches `clock`.
void MoveTo(void (*move)(), const BossState& b, float clock) {
  gFrameScale = 0.1f;
  for (int guard = 0; b.clock < clock && guard < 10000; ++guard) move();
  ASSERT_EQ(b.clock, clock);
}

struct Stop {
  float clock, x, y;
};

void Visit(void (*move)(), const BossState& b, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) {
    MoveTo(move, b, s.clock);
    ExpectAt(b, s.x, s.y);
  }
}

// Each boss from its reset: where it waits, where it enters, a stop or two of
// its loop, the clock its rewind goes back to, and the first step after it.
// Every boss moves only its own record. Boss 1 slides in from the right,
// settles, bobs and darts; its rows that share a clock value run in table order.
TEST(BossMove, EachBossEntersLoopsAndRewindsOnItsOwnRecord) {
  struct Case {
    int boss;
    void (*move)();
    const BossState& b;
    Stop first;  // after one call at clock 0
    std::initializer_list<Stop> stops;
    float rewind;
    Stop after;  // the call after the rewind
  };
  const Case cases[] = {
      {1,
       MoveBoss1,
       gBoss1,
       {0, -640, -800},
       {{60, -640, -800},  // the entry window opens only above 60
        {61, 640, 90},
        {134, 640 - 44 * 9.4f, 90},
        {135, 240, 90},  // the slide's last step, then the settle
        {162, 240, 98},  // the settle, then the first bob step
        {210, 290, 198},
        {240, 240, 98}},
       151,
       {152, 240, 90}},
      {2,
       MoveBoss2,
       gBoss2,
       {0, -500, 500},  // clock 0 is outside the entry window
       {{1, 640, 90}, {75, 240, 90}, {110, 140, 40}, {190, 240, 210}, {280, 240, 90}},
       80,
       {81, 240, 90}},
      {3,
       MoveBoss3,
       gBoss3,
       {0, -500, 500},
       {{1, 640, 90}, {130, 340, 40}, {250, 240, -30}, {280, 240, 90}},
       80,
       {81, 240, 90}},
      {4,
       MoveBoss4,
       gBoss4,
       {0, -500, 500},
       {{1, 640, 90},
        {31, 650.4f, 90},
        {75, 240, 90},
        {210, 138, 350},
        {300, 100, 315},
        {330, 0, 115}},
       80,
       {81, 240, 90}},
      {5,
       MoveBoss5,
       gBoss5,
       {0, -500, 500},
       {{60, -500, 500},
        {61, 130, -460},
        {134, 130, -20},
        {135, 130, 0},
        {230, 38, 50},
        {240, 138, 0}},
       151,
       {152, 130, 0}},
      {6,
       MoveBoss6,
       gBoss6,
       {0, 90, -360},  // placed on its very first call: clock 0 counts
       {{134, 90, -8}, {135, 90, 0}, {230, -2, 50}, {240, 98, 0}},
       151,
       {152, 90, 0}},
      {7,
       MoveBoss7,
       gBoss7,
       {0, -500, 500},
       {{60, -500, 500},
        {61, 70, -400},
        {134, 70, 9.2f},
        {241, 70, 0},
        {270, 270, 100},
        {310, -130, 100},
        {330, 70, 0}},
       145,
       {146, 70, 0}},
      {8,
       MoveBoss8,
       gBoss8,
       {0, -500, 500},
       {{1, 80, -400}, {74, 80, -21.6f}, {75, 80, 0}, {130, 200, 0}, {190, -40, 0}, {220, 80, 0}},
       80,
       {81, 80, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boss);
    ResetBossRecords();
    gFrameScale = 0.0f;
    c.move();
    ExpectAt(c.b, c.first.x, c.first.y);
    Visit(c.move, c.b, c.stops);
    const Stop last = *(c.stops.end() - 1);
    c.move();
    EXPECT_EQ(c.b.clock, c.rewind);
    ExpectAt(c.b, last.x, last.y);  // the rewind moves nothing this call
    c.move();
    EXPECT_EQ(c.b.clock, c.after.clock);
    ExpectAt(c.b, c.after.x, c.after.y);
    for (int other = 1; other <= 8; ++other) {
      if (other != c.boss) {
        EXPECT_TRUE(BossRecordAtStart(other)) << other;
      }
    }
  }
}

}  // namespace
