// The homing launches of every lockable enemy kind and every boss-part set,
// and the enemy kinds' lock setters: each works on its own markers and
// missiles, from the ship, with its member's launch point, speed and bound.
#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "homing/boss_homing.h"
#include "homing/boss_markers.h"
#include "homing/enemy_homing.h"
#include "homing/lock_on.h"
#include "tests/game/homing_fixture.h"

namespace {

struct Member {
  const char* name;
  HomingMissile* missiles;
  TargetMarker* markers;
  void (*launch)();
  float speed, launchX, launchY;  // launch point: the ship's corner plus these
  int xBound;                     // markers at this x or right of it are off screen
  bool launchVector;              // the launch writes the vector to its marker
};

#define ENEMY(K, speed, y, bound, vector) \
  { #K, gHoming##K, g##K##Markers, LaunchHoming##K, speed, 20, y, bound, vector }
#define BOSS(N, S, x, vector)                                                                  \
  {                                                                                            \
    "Boss" #N #S, gHomingBoss##N##S, gBoss##N##Markers##S, LaunchHomingBoss##N##S, 600, x, 10, \
        540, vector                                                                            \
  }
const Member kMembers[] = {
    ENEMY(Zak2, 700, 10, 540, true),
    ENEMY(Zak3, 700, 10, 540, true),
    ENEMY(Diver80L, 700, 10, 540, true),
    ENEMY(Diver80R, 700, 10, 540, true),
    ENEMY(Gunner80L, 700, 10, 540, true),
    ENEMY(Gunner80R, 700, 10, 540, true),
    ENEMY(Big90A, 700, 10, 540, true),
    ENEMY(VolleyZakA, 700, 10, 540, true),
    ENEMY(Zak4A, 750, 10, 540, false),
    ENEMY(Zak4B, 750, 9, 541, false),
    ENEMY(Zak4C, 750, 9, 542, false),
    ENEMY(Zak4D, 750, 8, 543, false),
    BOSS(1, A, -20, false),
    BOSS(1, B, 60, true),
    BOSS(2, A, -20, false),
    BOSS(2, B, 60, false),
    BOSS(3, A, -20, false),
    BOSS(3, B, 60, false),
    BOSS(4, A, -20, false),
    BOSS(4, B, 60, false),
    BOSS(5, A, -20, false),
    BOSS(5, B, 60, false),
    BOSS(6, A, -20, false),
    BOSS(6, B, 60, false),
    BOSS(7, A, -20, false),
    BOSS(7, B, 60, false),
    BOSS(8, A, -20, false),
    BOSS(8, B, 60, false),
};
#undef ENEMY
#undef BOSS

int Flying() {
  int n = 0;
  for (const Member& k : kMembers)
    for (int i = 0; i < 2; ++i) n += k.missiles[i].active;
  return n;
}

void ResetAll() {
  for (const ResetTable& t : ResetTables()) t.reset();
}

using HomingLaunchTest = HomingTest;

// Marker 1 is locked; at the member's x bound it is off screen, one pixel left
// of it on screen, and only its own missile 1 leaves.
TEST_F(HomingLaunchTest, EveryMemberLaunchesOnlyItsOwnMissileFromTheShip) {
  gPlayerX = 300.5f;
  gPlayerY = 200.25f;
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    ResetAll();
    Lock(k.markers[1], k.xBound, 100);
    k.launch();
    EXPECT_EQ(Flying(), 0);
    Lock(k.markers[1], k.xBound - 1, 100);
    k.launch();
    EXPECT_EQ(Flying(), 1);
    const HomingMissile& m = k.missiles[1];
    EXPECT_EQ(m.active, 1);
    EXPECT_EQ(m.x, 300.5f + k.launchX);
    EXPECT_EQ(m.y, 200.25f + k.launchY);
    EXPECT_EQ(m.speed, k.speed);
    EXPECT_EQ(m.launchDx, k.launchVector ? float(k.xBound - 1 + 20) - m.x : 0.0f);
  }
}

// Boss 3, whose stage draws no homing missiles, still has a bolt for set A
// and nothing for set B.
TEST_F(HomingLaunchTest, BossThreesSetADrawsABoltAndSetBNothing) {
  Lock(gBoss3MarkersA[0], 400, 50);
  Lock(gBoss3MarkersB[0], 400, 50);
  LaunchHomingBoss3A();
  LaunchHomingBoss3B();
  EXPECT_FALSE(Blank(Render(DrawHomingBoss3A)));
  EXPECT_TRUE(Blank(Render(DrawHomingBoss3B)));
}

// A setter locks the marker it is given and touches nothing else.
TEST_F(HomingLaunchTest, EachLockSetterLocksOnlyItsOwnMarker) {
  struct Setter {
    void (*lock)(int);
    TargetMarker* markers;
  };
  const Setter setters[] = {
      {LockMarkerZak2, gZak2Markers},           {LockMarkerZak3, gZak3Markers},
      {LockMarkerDiver80L, gDiver80LMarkers},   {LockMarkerDiver80R, gDiver80RMarkers},
      {LockMarkerGunner80L, gGunner80LMarkers}, {LockMarkerGunner80R, gGunner80RMarkers},
      {LockMarkerBig90A, gBig90AMarkers},       {LockMarkerVolleyZakA, gVolleyZakAMarkers},
      {LockMarkerZak4A, gZak4AMarkers},         {LockMarkerZak4B, gZak4BMarkers},
      {LockMarkerZak4C, gZak4CMarkers},         {LockMarkerZak4D, gZak4DMarkers},
      {LockMarkerSpare1, gSpareMarkers1},       {LockMarkerSpare2, gSpareMarkers2},
  };
  for (const Setter& s : setters)
    for (int i = 0; i < 3; ++i) s.markers[i] = {7, 8, 0, 0};
  for (const Setter& s : setters) {
    s.lock(2);
    for (const Setter& t : setters)
      for (int i = 0; i < 3; ++i) {
        const TargetMarker& m = t.markers[i];
        EXPECT_TRUE(m.x == 7 && m.y == 8 && m.locked == (t.markers == s.markers && i == 2))
            << (&s - setters) << " " << (&t - setters) << " " << i;
      }
    s.markers[2].locked = 0;
  }
}

// A missile of any boss set that reaches its locked part hits that set's boss.
TEST_F(HomingLaunchTest, EveryBossSetsStrikeHitsItsOwnBoss) {
  struct Set {
    HomingMissile* missiles;
    TargetMarker* markers;
    void (*update)();
    BossState* boss;
  };
#define SET(N, S) \
  { gHomingBoss##N##S, gBoss##N##Markers##S, UpdateHomingBoss##N##S, &gBoss##N }
  const Set sets[] = {SET(1, A), SET(1, B), SET(2, A), SET(2, B), SET(3, A), SET(3, B),
                      SET(4, A), SET(4, B), SET(5, A), SET(5, B), SET(6, A), SET(6, B),
                      SET(7, A), SET(7, B), SET(8, A), SET(8, B)};
#undef SET
  BossState* bosses[] = {&gBoss1, &gBoss2, &gBoss3, &gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  for (const Set& k : sets) {
    ResetAll();
    for (BossState* b : bosses) b->hp = 500.0f, b->hit = 0;
    Lock(k.markers[0], 300, 100);
    Hover(k.missiles[0], 310, 130.0f);
    k.update();
    for (BossState* b : bosses) EXPECT_EQ(b->hit, b == k.boss ? 1 : 0) << (&k - sets);
    EXPECT_LT(k.boss->hp, 500.0f) << (&k - sets);
  }
}

}  // namespace
