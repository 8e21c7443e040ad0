// The scripted wave kinds' tickers, slot starts, phase scripts, fire gates,
// TwinGunZak's cells drawn by the phase clock and the aimed shots' fixed
// speeds per bullet slot.
#include <array>

#include "tests/game/wave_fixture.h"

namespace {

using WaveScriptTest = WaveTest;

// The call (1-based) on which each slot was first started, 0 if never.
std::array<int, 5> FirstStarts(const WaveOps& k, int calls) {
  std::array<int, 5> first{};
  for (int call = 1; call <= calls; ++call) {
    k.tick(0);
    for (int i = 0; i < 5; ++i)
      if (first[i] == 0 && k.slots[i].alive) first[i] = call;
  }
  return first;
}

TEST_F(WaveScriptTest, TickersReleaseTheSlotsInTurnAndWrapTheirCounters) {
  const std::array<int, 5> every30{30, 60, 90, 120, 150}, every20{20, 40, 60, 80, 100};
  for (const WaveOps& k : kWaveKinds)
    EXPECT_EQ(FirstStarts(k, 150), k.name == "Zak4D" ? every20 : every30) << k.name;
  // GunZak leaves the counters running: all read 0 again on the 160th call.
  for (int i = 150; i < 160; ++i) TickWaveGunZakA(0);
  for (const WaveZakRecord& r : gGunZakA) EXPECT_EQ(r.waveCounter, 0);
  // TwinGunZak and Zak4A, Zak4B restart a slot's count when they start it.
  EXPECT_EQ(gTwinGunZakA[0].waveCounter, 120);
  EXPECT_EQ(gTwinGunZakA[4].waveCounter, 0);
  EXPECT_EQ(gZak4B[1].waveCounter, 90);
  // Zak4C keeps counting to its wrap at 190, Zak4D to 120.
  for (int i = 150; i < 189; ++i) TickWaveZak4C(0);
  EXPECT_EQ(gZak4C[0].waveCounter, 189);
  TickWaveZak4C(0);
  EXPECT_EQ(gZak4C[0].waveCounter, 0);
  for (int i = 150; i < 240; ++i) TickWaveZak4D(0);
  EXPECT_EQ(gZak4D[0].waveCounter, 0);
}

TEST_F(WaveScriptTest, ASlotStillInUseAtItsCountIsSkippedAndOfferedAgainAfterTheWrap) {
  // Zak4A restarted slot 0's count at its start: the next offer is 30 calls
  // later, and once that is missed the count runs on to 190 first.
  for (int i = 0; i < 30; ++i) TickWaveZak4A(0);
  gZak4A[0].x = 300.0f;
  for (int i = 0; i < 30; ++i) TickWaveZak4A(0);
  EXPECT_TRUE(gZak4A[0].x == 300.0f && gZak4A[0].waveCounter == 30);
  gZak4A[0].alive = 0;
  for (int i = 30; i < 189; ++i) TickWaveZak4A(0);
  EXPECT_EQ(gZak4A[0].alive, 0);
  for (int i = 0; i < 31; ++i) TickWaveZak4A(0);
  EXPECT_TRUE(gZak4A[0].alive == 1 && gZak4A[0].x == 125.0f);
  // Two calls in one frame advance two counts; neither release is lost.
  for (int i = 0; i < 30; ++i) TickWaveGunZakB(0), TickWaveGunZakB(0);
  EXPECT_EQ(gGunZakB[0].alive + gGunZakB[1].alive, 2);
}

// The velocity each band sets, per kind: bands 1 to 5.
struct Script {
  const WaveOps* kind;
  float rate;
  float v[5][2];
};

TEST_F(WaveScriptTest, EachBandSetsTheKindsVelocityWhichTheNextMoveApplies) {
  const Script scripts[] = {
      {&kWaveKinds[0], 25, {{0, 220}, {110, 220}, {210, 220}, {310, 220}, {410, 0}}},
      {&kWaveKinds[4], 30, {{220, 0}, {220, 110}, {220, 210}, {220, 310}, {0, 410}}},
      {&kWaveKinds[10], 25, {{0, -400}, {110, -220}, {210, -220}, {310, -220}, {180, 0}}},
  };
  gFrameScale = 0.0625f;  // steps that land the clock on exact values
  gBombActive = 1;        // whatever the bands fire is gone on its next move
  for (const Script& s : scripts) {
    WaveZakRecord& r = s.kind->slots[2];
    const float step = s.rate * gFrameScale;
    // Both ends of every band, reached by this move's step.
    const float ends[5][2] = {{0, 10}, {11, 20}, {21, 30}, {31, 40}, {41, 100}};
    for (int b = 0; b < 5; ++b)
      for (float t : ends[b]) {
        Fly(r, 300.0f, 200.0f, t - step);
        r.vx = r.vy = 0.0f;
        s.kind->move(0);
        ASSERT_EQ(r.phaseTimer, t) << s.kind->name;
        EXPECT_EQ(r.x, 300.0f) << s.kind->name;  // last move's velocity: 0
        EXPECT_TRUE(r.vx == s.v[b][0] && r.vy == s.v[b][1])
            << s.kind->name << " band " << b + 1 << " at " << t;
      }
    // The next move flies band 5's velocity; between bands nothing is set.
    Fly(r, 300.0f, 200.0f, 10.5f - step);
    r.vx = 8.0f;
    r.vy = -8.0f;
    s.kind->move(0);
    EXPECT_EQ(r.vx, 8.0f) << s.kind->name;
    EXPECT_TRUE(r.x == 300.5f && r.y == 199.5f) << s.kind->name;
    // At 101 the script restarts and keeps the velocity it had.
    Fly(r, 300.0f, 200.0f, 101.0f - step);
    s.kind->move(0);
    EXPECT_EQ(r.phaseTimer, 0.0f) << s.kind->name;
    EXPECT_EQ(r.vx, 8.0f) << s.kind->name;
    r.alive = 0;
  }
}

TEST_F(WaveScriptTest, GunZakFiresFromEveryCraftInBandTwoOnlyInTheModesItsGateAllows) {
  gFrameScale = 0.0625f;  // 30 units/s: 1.875 a move; GunZakB's 25: 1.5625
  auto fired = [](void (*move)(int), WaveZakRecord* slots, AimedShotRecord* shots, float t) {
    for (int i = 0; i < 5; ++i) shots[i].alive = 0;
    Fly(slots[0], 100.0f, 100.0f, t - (slots == gGunZakB ? 1.5625f : 1.875f));
    move(0);
    slots[0].alive = 0;
    int n = 0;
    for (int i = 0; i < 5; ++i) n += shots[i].alive;
    return n;
  };
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 11.0f), 5);
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 10.5f), 0);  // between bands
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 21.0f), 0);
  for (int m = 0; m < 4; ++m) {  // difficulty 1, 2, 1 + extra, 2 + extra
    gDifficulty = 1 + m % 2;
    gDifficultyExtra = m / 2;
    const int expected = m == 0 ? 0 : 5;
    EXPECT_EQ(fired(MoveGunZakC, gGunZakC, gGunZakCShot, 20.0f), expected) << m;
    EXPECT_EQ(fired(MoveGunZakD, gGunZakD, gGunZakDShot, 11.0f), expected) << m;
    EXPECT_EQ(fired(MoveGunZakB, gGunZakB, gGunZakBShot, 11.0f), 5) << m;
  }
}

using WaveShotTest = WaveTest;

TEST_F(WaveShotTest, AStartSetsEveryBulletsSpeedFromTheFixedOriginSlot) {
  gTwinGunZakA[0].x = 100.0f;
  gTwinGunZakA[2].x = 300.0f;  // not the origin, whichever craft calls the fire
  gTwinGunZakAShot1[1] = {0, 0, 7.0f, 8.0f, 0, 0, 0, 0, 0, 0, 0, 999.0f, 0, 1};
  const int draws = NextRands(1)[0];
  FireTwinGunZakAShot1(2);
  const float speeds[] = {230, 270, 310, 350};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(gTwinGunZakAShot1[i].speed, speeds[i]) << i;
  EXPECT_EQ(koSystem::Rand(), draws);  // no random draw taken
  const AimedShotRecord& s = gTwinGunZakAShot1[2];
  EXPECT_TRUE(s.x == 140.0f && s.dx == 300.0f + 22.0f - 140.0f);
  EXPECT_EQ(gTwinGunZakAShot1[1].x, 7.0f);  // in flight: only its speed changed
}

TEST_F(WaveShotTest, GunZakFiresEachFreeBulletFromItsOwnCraftWithOneSpeedDrawEach) {
  gGunZakD[0].x = 200.0f;
  gGunZakD[0].y = 100.0f;
  gGunZakD[2].x = 400.0f;
  for (int i : {1, 3, 4}) gGunZakDShot[i].alive = 1;
  const std::vector<int> r = NextRands(2);
  FireGunZakDShot(0);
  EXPECT_TRUE(gGunZakDShot[0].x == 242.0f && gGunZakDShot[0].y == 150.0f);
  EXPECT_EQ(gGunZakDShot[0].speed, static_cast<float>(r[0] % 100 + 210));
  EXPECT_EQ(gGunZakDShot[2].x, 442.0f);
  EXPECT_EQ(gGunZakDShot[2].speed, static_cast<float>(r[1] % 100 + 210));
  EXPECT_EQ(gGunZakDShot[1].speed, 0.0f);  // in flight: untouched
}

TEST_F(WaveScriptTest, AFreedZak4KeepsItsLockedMarkerOnlyInsideItsKindsKeepArea) {
  const struct {
    void (*move)(int);
    WaveZakRecord* slots;
    TargetMarker* markers;
    int lastKeptX;
  } kinds[] = {{MoveZak4A, gZak4A, gZak4AMarkers, 540},
               {MoveZak4B, gZak4B, gZak4BMarkers, 541},
               {MoveZak4C, gZak4C, gZak4CMarkers, 542},
               {MoveZak4D, gZak4D, gZak4DMarkers, 543}};
  for (const auto& k : kinds) {
    const int places[5][2] = {
        {k.lastKeptX, 480}, {k.lastKeptX + 1, 200}, {70, -70}, {69, 200}, {300, -71}};
    for (int i = 0; i < 5; ++i) {
      Fly(k.slots[i], 700.0f, 100.0f, 50.0f);  // beyond x 640: freed by this move
      k.markers[i] = {places[i][0], places[i][1], 1, 0};
    }
    k.move(0);
    const int kept[5] = {1, 0, 1, 0, 0};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(k.slots[i].alive, 0);
      EXPECT_EQ(k.markers[i].locked, kept[i]) << k.lastKeptX << " marker " << i;
      EXPECT_EQ(k.markers[i].x, kept[i] ? places[i][0] : -500);
    }
  }
}

using WaveDrawTest = WaveTest;

// Each kind shows the cells of its own body; the other kinds' slots stay parked.
TEST_F(WaveDrawTest, EachTwinGunZakDrawsItsOwnCellsWhoseBandHoldsTheClockAndNoneAbove100) {
  const struct {
    float t;
    std::vector<int> cells;
  } cases[] = {{0, {0}},     {5, {0}},     {10, {0, 1}}, {15.5f, {1}}, {20, {1, 2}},
               {30, {2, 3}}, {40, {3, 4}}, {100, {4}},   {100.5f, {}}, {-0.5f, {}}};
  const struct {
    const char* name;
    WaveZakRecord* slots;
    void (*draw)(int);
    const int& picture;
  } kinds[] = {{"TwinGunZakA", gTwinGunZakA, DrawTwinGunZakA, gPicZak12},
               {"TwinGunZakB", gTwinGunZakB, DrawTwinGunZakB, gPicTwinGunZakB},
               {"TwinGunZakC", gTwinGunZakC, DrawTwinGunZakC, gPicTwinGunZakC},
               {"TwinGunZakD", gTwinGunZakD, DrawTwinGunZakD, gPicTwinGunZakD}};
  for (const auto& k : kinds) {
    WaveZakRecord& r = k.slots[3];
    const WaveZakRecord parked = r;
    for (const auto& c : cases) {
      r = {};
      r.x = 200.7f;
      r.y = -20.2f;  // truncated towards zero
      r.phaseTimer = c.t;
      EXPECT_EQ(Render([&] { k.draw(0); }), Render([&] {
                  for (int cell : c.cells)
                    koDraw::Blit(200, -20, k.picture, 100 * cell, 0, 100 * cell + 100, 100);
                }))
          << k.name << " at " << c.t;
    }
    r = parked;
  }
}

}  // namespace
