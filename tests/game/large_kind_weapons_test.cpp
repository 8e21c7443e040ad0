// The weapons of the large kinds and Zak9 that the running game never fires,
// through their own named operations: each starts its own table from its own
// craft's muzzle and touches no twin's table.
#include <vector>

#include "enemies/bars.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "enemies/template_kinds.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

void PlaceCraft() {
  gZak50B.x = 100.0f, gZak50B.y = 20.0f;
  gZak51A.x = 200.0f, gZak51A.y = 40.0f;
  gZak51B.x = 110.0f, gZak51B.y = 60.0f;
  gZak54A.x = 120.0f, gZak54A.y = 80.0f;
  gZak54B.x = 130.0f, gZak54B.y = 90.0f;
}

using LargeWeaponTest = AttackTest;

// A burst Fire(slot, first) starts that slot at the craft's muzzle at the burst's speed.
TEST_F(LargeWeaponTest, EachBurstFireStartsItsSlotAtItsMuzzleAndSpeed) {
  const Tables<BurstShotRecord> all = {{gZak50AShot, 25},  {gZak50BShot1, 25}, {gZak50BShot2, 25},
                                       {gZak50BShot3, 25}, {gZak51AShot1, 25}, {gZak51AShot2, 120}};
  struct Burst {
    BurstShotRecord* shots;
    void (*fire)(int, int);
    float x, y, speed;
  };
  const Burst bursts[] = {{gZak50BShot1, FireZak50BShot1, 192, 90, 280},
                          {gZak50BShot2, FireZak50BShot2, 102, 90, 160},
                          {gZak50BShot3, FireZak50BShot3, 322, 90, 160},
                          {gZak51AShot1, FireZak51AShot1, 292, 110, 130}};
  PlaceCraft();
  for (const Burst& b : bursts) {
    ParkRecords(all);
    b.fire(7, 5);
    EXPECT_TRUE(b.shots[7].x == b.x && b.shots[7].y == b.y) << b.x;
    EXPECT_EQ(b.shots[7].speed, b.speed) << b.x;
    EXPECT_EQ(LiveRecords(all),
              (std::vector<std::pair<const BurstShotRecord*, int>>{{b.shots, 7}}));
  }
}

// A beam Fire(slot, first) lays its pair side by side under the craft; the
// Beam2 ticks drop pair 0 on their tenth call.
TEST_F(LargeWeaponTest, EachBeamFireLaysItsPairUnderItsCraftAndTheSpreadingTicksDropPairZero) {
  const Tables<AimedShotRecord> all = {
      {gZak50BBeam1, 20}, {gZak50BBeam2, 20}, {gZak51ABeam1, 20}, {gZak51ABeam2, 20}};
  struct Beam {
    AimedShotRecord* slots;
    void (*fire)(int, int);
    void (*tick)(int);
    float left, right, y;
  };
  const Beam beams[] = {{gZak50BBeam1, FireZak50BBeam1, nullptr, 160, 240, 150},
                        {gZak50BBeam2, FireZak50BBeam2, TickZak50BBeam2, 160, 240, 150},
                        {gZak51ABeam2, FireZak51ABeam2, TickZak51ABeam2, 240, 320, 170}};
  PlaceCraft();
  for (const Beam& b : beams) {
    SCOPED_TRACE(b.left);
    ParkRecords(all);
    b.fire(7, 6);
    EXPECT_TRUE(b.slots[6].x == b.left && b.slots[7].x == b.right && b.slots[7].y == b.y);
    EXPECT_EQ(LiveRecords(all),
              (std::vector<std::pair<const AimedShotRecord*, int>>{{b.slots, 7}}));
    if (!b.tick) continue;
    ParkRecords(all);
    for (int call = 1; call < 10; ++call) b.tick(0);
    EXPECT_TRUE(LiveRecords(all).empty());
    b.tick(0);
    EXPECT_EQ(LiveRecords(all),
              (std::vector<std::pair<const AimedShotRecord*, int>>{{b.slots, 0}, {b.slots, 1}}));
  }
}

// A muzzle stream starts its free bullets and puts all four at their muzzles.
TEST_F(LargeWeaponTest, EachMuzzleStreamStartsItsFourBulletsAtTheirMuzzles) {
  const Tables<ShotRecord> all = {{gZak51BStream, 4},
                                  {gZak54AStream, 4},
                                  {gZak54BStream, 4},
                                  {gZak54CStream, 6},
                                  {gZak50CStream, 6}};
  struct Stream {
    ShotRecord* shots;
    void (*fire)(int);
    const LargeZakState* craft;
  };
  const Stream streams[] = {{gZak51BStream, FireZak51BStream, &gZak51B},
                            {gZak54AStream, FireZak54AStream, &gZak54A},
                            {gZak54BStream, FireZak54BStream, &gZak54B}};
  const float muzzles[4][2] = {{120, 90}, {120, 120}, {60, 120}, {60, 90}};
  PlaceCraft();
  for (const Stream& s : streams) {
    SCOPED_TRACE(s.craft->x);
    ParkRecords(all);
    s.fire(0);
    std::vector<std::pair<const ShotRecord*, int>> expected;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(s.shots[i].x, s.craft->x + muzzles[i][0]) << i;
      EXPECT_EQ(s.shots[i].y, s.craft->y + muzzles[i][1]) << i;
      expected.emplace_back(s.shots, i);
    }
    EXPECT_EQ(LiveRecords(all), expected);
  }
}

// A cluster starts the five bullets of each Zak9 slot's block at the slot's
// muzzle, falling at 140 to 220 px/s.
TEST_F(LargeWeaponTest, EachClusterStartsItsBlocksAtItsMuzzle) {
  struct Cluster {
    ClusterRecord* blocks;
    void (*fire)(int, int);
    float mx, my;
  };
  const Cluster clusters[] = {{gZak9Cluster2, FireZak9Cluster2, 30, 67},
                              {gZak9Cluster3, FireZak9Cluster3, 30, 67},
                              {gZak9Cluster4, FireZak9Cluster4, 30, 63},
                              {gZak9Cluster5, FireZak9Cluster5, 30, 63}};
  ClusterRecord* tables[] = {gZak9Cluster1, gZak9Cluster2, gZak9Cluster3, gZak9Cluster4,
                             gZak9Cluster5};
  for (int i = 0; i < 3; ++i) gZak9[i].x = 100.0f * (i + 1), gZak9[i].y = 10.0f * i;
  for (const Cluster& c : clusters) {
    SCOPED_TRACE(c.my);
    for (ClusterRecord* t : tables)
      for (int i = 0; i < 3; ++i) ParkRecords(Tables<ShotRecord>{{t[i].shots, 5}});
    c.fire(0, 0);
    int live = 0;
    for (ClusterRecord* t : tables)
      for (int i = 0; i < 3; ++i)
        for (const ShotRecord& s : t[i].shots) live += s.alive;
    EXPECT_EQ(live, 15);
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 5; ++j) {
        const ShotRecord& s = c.blocks[i].shots[j];
        EXPECT_TRUE(s.alive && s.x == gZak9[i].x + c.mx && s.y == gZak9[i].y + c.my) << i << j;
        EXPECT_EQ(s.vy, 140.0f + 20.0f * j) << i << j;
      }
  }
}

}  // namespace
