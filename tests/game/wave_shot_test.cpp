// The aimed families of the scripted wave kinds: fixed speeds per bullet slot
// set on every start, GunZak's own muzzle and draws, and the keep areas.
#include <cmath>

#include "tests/game/wave_fixture.h"

namespace {

using WaveShotTest = WaveTest;

TEST_F(WaveShotTest, AStartSetsEveryBulletsSpeedFromTheFixedOriginSlot) {
  gTwinGunZakA[0].x = 100.0f;
  gTwinGunZakA[0].y = 60.5f;
  gTwinGunZakA[2].x = 300.0f;  // not the origin, whichever craft calls the fire
  gTwinGunZakAShot1[1] = {0, 0, 7.0f, 8.0f, 0, 0, 0, 0, 0, 0, 0, 999.0f, 0, 1};
  gTwinGunZakAShot1[3] = gTwinGunZakAShot1[1];
  const int draws = NextRands(1)[0];
  FireTwinGunZakAShot1(2);
  const float speeds[] = {230, 270, 310, 350};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(gTwinGunZakAShot1[i].speed, speeds[i]) << i;
  EXPECT_EQ(koSystem::Rand(), draws);  // no random draw taken
  const AimedShotRecord& s = gTwinGunZakAShot1[2];
  EXPECT_EQ(s.x, 140.0f);
  EXPECT_EQ(s.y, 110.5f);
  EXPECT_EQ(s.originX, 140.0f);
  EXPECT_EQ(s.dx, 300.0f + 22.0f - 140.0f);
  EXPECT_EQ(s.dy, 200.0f + 22.0f - 110.5f);
  EXPECT_FLOAT_EQ(s.angle, std::atan(s.dy / s.dx));
  EXPECT_EQ(gTwinGunZakAShot1[1].x, 7.0f);  // in flight: only its speed changed
  // With every bullet in flight a fire changes nothing, speeds included.
  for (AimedShotRecord& b : gTwinGunZakAShot1) b.speed = 1.0f;
  FireTwinGunZakAShot1(0);
  for (const AimedShotRecord& b : gTwinGunZakAShot1) EXPECT_EQ(b.speed, 1.0f);
}

TEST_F(WaveShotTest, GunZakFiresEachFreeBulletFromItsOwnCraftWithOneSpeedDrawEach) {
  gGunZakD[0].x = 200.0f;
  gGunZakD[0].y = 100.0f;
  gGunZakD[2].x = 400.0f;
  gGunZakD[2].y = 300.0f;
  gGunZakDShot[1].alive = 1;
  for (int i = 3; i < 5; ++i) gGunZakDShot[i].alive = 1;
  const std::vector<int> r = NextRands(2);
  FireGunZakDShot(0);
  EXPECT_EQ(gGunZakDShot[0].x, 242.0f);
  EXPECT_EQ(gGunZakDShot[0].y, 150.0f);
  EXPECT_EQ(gGunZakDShot[0].speed, static_cast<float>(r[0] % 100 + 210));
  EXPECT_EQ(gGunZakDShot[2].x, 442.0f);
  EXPECT_EQ(gGunZakDShot[2].speed, static_cast<float>(r[1] % 100 + 210));
  EXPECT_EQ(gGunZakDShot[2].spare1 + gGunZakDShot[2].spare2, 600.0f);
  EXPECT_EQ(gGunZakDShot[2].originY, 350.0f);
  EXPECT_EQ(gGunZakDShot[1].speed, 0.0f);  // in flight: untouched
}

struct Family {
  const char* name;
  AimedShotRecord* shots;
  void (*move)(int);
  float edge;  // the left and top bound: x + edge >= 0
};

const Family kFamilies[] = {
    {"TwinGunZakBShot2", gTwinGunZakBShot2, MoveTwinGunZakBShot2, 20},
    {"GunZakCShot", gGunZakCShot, MoveGunZakCShot, 16},
};

TEST_F(WaveShotTest, BulletsStayInsideTheirAreaBoundsIncludedAndAllVanishUnderABomb) {
  for (const Family& f : kFamilies) {
    const float places[][2] = {{540.0f, 480.0f},         {540.5f, 100.0f},
                               {-f.edge, -f.edge},       {-f.edge - 0.5f, 100.0f},
                               {100.0f, -f.edge - 0.5f}, {100.0f, 480.5f}};
    const int stays[] = {1, 0, 1, 0, 0, 0};
    for (int i = 0; i < 6; ++i) {
      f.shots[0] = {};
      f.shots[0].alive = 1;
      f.shots[0].x = places[i][0];
      f.shots[0].y = places[i][1];
      f.move(0);
      EXPECT_EQ(f.shots[0].alive, stays[i]) << f.name << " " << i;
      EXPECT_EQ(f.shots[0].y, stays[i] ? places[i][1] : 500.0f) << f.name << " " << i;
    }
    f.shots[0].alive = f.shots[3].alive = 1;
    gBombActive = 1;
    f.move(0);
    EXPECT_EQ(f.shots[0].alive + f.shots[3].alive, 0) << f.name;
    gBombActive = 0;
  }
}

}  // namespace
