// The fixed-speed aimed volleys of the Diver, Gunner and TwinGunZak kinds:
// every free bullet starts at the muzzle of one origin slot of its own kind,
// and the TwinGunZakC and D craft fire theirs only in the extra mode.
#include <utility>
#include <vector>

#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/twin_gun_zak.h"
#include "game/game_state.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

struct Volley {
  const char* name;
  AimedShotRecord* shots;
  int count;
  void (*fire)(int);
  void (*place)(int slot, float x, float y);  // an enemy slot of the volley's own kind
  int origin;                                 // the enemy slot every bullet starts from
  float mx, my;                               // its muzzle
};

#define VOLLEY(kind, n, count, mx, my)                                                           \
  {                                                                                              \
#kind "Shot" #n, g##kind##Shot##n, count, Fire##kind##Shot##n, PlaceOwner < g##kind>, n - 1, \
        mx, my                                                                                   \
  }
const Volley kVolleys[] = {
    VOLLEY(Diver80L, 1, 4, 30, 50),    VOLLEY(Diver80L, 2, 5, 30, 50),
    VOLLEY(Diver80R, 1, 4, 30, 50),    VOLLEY(Diver80R, 2, 5, 30, 50),
    VOLLEY(Gunner80L, 1, 4, 30, 40),   VOLLEY(Gunner80L, 2, 5, 30, 40),
    VOLLEY(Gunner80R, 1, 4, 30, 40),   VOLLEY(Gunner80R, 2, 5, 30, 40),
    VOLLEY(TwinGunZakC, 1, 4, 40, 50), VOLLEY(TwinGunZakC, 2, 5, 40, 50),
    VOLLEY(TwinGunZakD, 1, 4, 40, 50), VOLLEY(TwinGunZakD, 2, 5, 40, 50),
};
#undef VOLLEY

Tables<AimedShotRecord> AllShots() {
  Tables<AimedShotRecord> all;
  for (const Volley& v : kVolleys) all.emplace_back(v.shots, v.count);
  return all;
}

void ParkAll() { ParkRecords(AllShots()); }

int LiveShots() { return static_cast<int>(LiveRecords(AllShots()).size()); }

// Puts slots 0 and 1 of volley i's kind at places of volley i's own and
// returns the place of its origin slot.
std::pair<float, float> PlaceOrigins(size_t i) {
  const Volley& v = kVolleys[i];
  const float shift = 10.0f * static_cast<float>(i);
  const std::pair<float, float> at[] = {{100.0f + shift, 30.0f + shift / 2},
                                        {200.0f + shift, 60.0f + shift / 2}};
  for (int slot : {0, 1}) v.place(slot, at[slot].first, at[slot].second);
  return at[v.origin];
}

using EnemyVolleyTest = AttackTest;

// Every kind's slots stand apart from every other kind's, so a volley fired
// from another kind's slots shows.
TEST_F(EnemyVolleyTest, EachFireStartsItsFreeBulletsAtItsOriginSlotsMuzzle) {
  for (size_t i = 0; i < std::size(kVolleys); ++i) PlaceOrigins(i);
  for (size_t i = 0; i < std::size(kVolleys); ++i) {
    const Volley& v = kVolleys[i];
    SCOPED_TRACE(v.name);
    ParkAll();
    const auto [originX, originY] = PlaceOrigins(i);
    v.shots[2].alive = 1;  // a flying bullet keeps its place
    v.shots[2].x = 7.0f;
    v.fire(4);  // whichever slot asks, the origin slot fires
    const float x = originX + v.mx, y = originY + v.my;
    for (int k = 0; k < v.count; ++k) {
      const AimedShotRecord& s = v.shots[k];
      EXPECT_EQ(s.alive, 1) << k;
      if (k == 2) {
        EXPECT_EQ(s.x, 7.0f);
        continue;
      }
      EXPECT_TRUE(s.x == x && s.y == y && s.originX == x && s.originY == y) << k;
      EXPECT_EQ(s.dx, gPlayerX + 22.0f - x) << k;
      EXPECT_EQ(s.dy, gPlayerY + 22.0f - y) << k;
      EXPECT_GT(s.speed, 0.0f) << k;
    }
    EXPECT_EQ(LiveShots(), v.count);
  }
}

// The Diver and Gunner volleys string out: bullet k flies at 120 + 40 k.
TEST_F(EnemyVolleyTest, DiverAndGunnerVolleysStringOutAtFixedSpeeds) {
  for (int n = 0; n < 8; ++n) {
    const Volley& v = kVolleys[n];
    SCOPED_TRACE(v.name);
    ParkAll();
    v.fire(0);
    for (int k = 0; k < v.count; ++k) EXPECT_EQ(v.shots[k].speed, 120.0f + 40.0f * k) << k;
  }
}

// A TwinGunZakC or D craft in its second band fires Shot1, in its third Shot2,
// and only while the extra mode is on, at either difficulty.
TEST_F(EnemyVolleyTest, TwinGunZakCAndDFireInTheirBandsOnlyInTheExtraMode) {
  struct Craft {
    WaveZakRecord* slots;
    void (*move)(int);
    AimedShotRecord *shot1, *shot2;
  };
  const Craft crafts[] = {{gTwinGunZakC, MoveTwinGunZakC, gTwinGunZakCShot1, gTwinGunZakCShot2},
                          {gTwinGunZakD, MoveTwinGunZakD, gTwinGunZakDShot1, gTwinGunZakDShot2}};
  gFrameScale = 0.0f;  // the craft and their phase clocks stand still
  for (const Craft& c : crafts) {
    for (const auto& [difficulty, extra] : {std::pair{1, 0}, {2, 0}, {1, 1}, {2, 1}}) {
      for (float t : {15.0f, 25.0f}) {
        SCOPED_TRACE(testing::Message()
                     << "difficulty " << difficulty << " extra " << extra << " t " << t);
        ParkAll();
        gDifficulty = difficulty;
        gDifficultyExtra = extra;
        for (int s = 0; s < 5; ++s) c.slots[s] = WaveZakRecord{};
        c.slots[0] = {0, 0, 0, 0, t, 100.0f, 100.0f, 0, 0, 0, 1, 0};
        c.slots[1] = {0, 0, 0, 0, 0.0f, 200.0f, 150.0f, 0, 0, 0, 1, 0};
        c.move(0);
        const AimedShotRecord* fired = t < 20.0f ? c.shot1 : c.shot2;
        const float x = t < 20.0f ? 140.0f : 240.0f, y = t < 20.0f ? 150.0f : 200.0f;
        EXPECT_EQ(LiveShots(), extra ? (t < 20.0f ? 4 : 5) : 0);
        if (extra) {
          EXPECT_TRUE(fired[0].alive && fired[0].x == x && fired[0].y == y);
        }
      }
    }
  }
  gDifficultyExtra = 0;
}

}  // namespace
