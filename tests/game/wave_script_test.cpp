// The scripted wave kinds' tickers, slot starts, phase scripts, fire gates
// and bounds, run on every kind where the kinds differ.
#include <array>

#include "game/reset.h"
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
  EXPECT_EQ(gZak4C[0].waveCounter, 150);
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
  EXPECT_EQ(gZak4A[0].x, 300.0f);
  EXPECT_EQ(gZak4A[0].waveCounter, 30);
  gZak4A[0].alive = 0;
  for (int i = 30; i < 189; ++i) TickWaveZak4A(0);
  EXPECT_EQ(gZak4A[0].alive, 0);
  for (int i = 0; i < 31; ++i) TickWaveZak4A(0);
  EXPECT_EQ(gZak4A[0].alive, 1);
  EXPECT_EQ(gZak4A[0].x, 125.0f);
  // Two calls in one frame advance two counts; neither release is lost.
  for (int i = 0; i < 30; ++i) TickWaveGunZakB(0), TickWaveGunZakB(0);
  EXPECT_EQ(gGunZakB[0].alive + gGunZakB[1].alive, 2);
}

TEST_F(WaveScriptTest, AStartPutsTheCraftAtItsEntryPointAtRestWithTheRowAndHitSkipLeftAlone) {
  const float entries[][2] = {{105, -100}, {435, -100}, {105, 480},  {435, 480},
                              {-140, 100}, {640, 100},  {-140, 240}, {640, 240},
                              {125, -70},  {415, -70},  {105, 480},  {435, 480}};
  for (size_t k = 0; k < std::size(kWaveKinds); ++k) {
    const WaveOps& o = kWaveKinds[k];
    WaveZakRecord& r = o.slots[3];
    r = {2, 5, 77, 9, 60.0f, 1.0f, 2.0f, 30.0f, 40.0f, 1, 0, 1};
    o.spawnSlot(3);
    EXPECT_EQ(r.x, entries[k][0]) << o.name;
    EXPECT_EQ(r.y, entries[k][1]) << o.name;
    EXPECT_EQ(r.vx + r.vy + r.phaseTimer, 0.0f) << o.name;
    EXPECT_EQ(r.alive, 1);
    EXPECT_EQ(r.dying + r.frame + r.spare, 0) << o.name;
    EXPECT_EQ(r.row, 2);
    EXPECT_EQ(r.hitSkip, 1);
    const bool restarts =
        o.name.starts_with("TwinGunZak") || o.name == "Zak4A" || o.name == "Zak4B";
    EXPECT_EQ(r.waveCounter, restarts ? 0 : 77) << o.name;
    r.x = 1.0f;  // in use: a second start changes nothing
    o.spawnSlot(3);
    EXPECT_EQ(r.x, 1.0f);
  }
  // A Zak4 start unlocks and parks the slot's marker.
  gZak4CMarkers[2] = {300, 200, 1, 0};
  SpawnSlotZak4C(2);
  EXPECT_EQ(gZak4CMarkers[2].locked, 0);
  EXPECT_EQ(gZak4CMarkers[2].x, -500);
  EXPECT_EQ(gZak4CMarkers[2].y, 500);
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
      {&kWaveKinds[2], 25, {{0, -220}, {110, -220}, {210, -220}, {310, -220}, {410, 0}}},
      {&kWaveKinds[4], 30, {{220, 0}, {220, 110}, {220, 210}, {220, 310}, {0, 410}}},
      {&kWaveKinds[8], 40, {{0, 220}, {110, 220}, {210, 220}, {310, 220}, {180, 0}}},
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
        EXPECT_EQ(r.vx, s.v[b][0]) << s.kind->name << " band " << b + 1 << " at " << t;
        EXPECT_EQ(r.vy, s.v[b][1]) << s.kind->name << " band " << b + 1 << " at " << t;
      }
    // The next move flies band 5's velocity; between bands nothing is set.
    Fly(r, 300.0f, 200.0f, 10.5f - step);
    r.vx = 8.0f;
    r.vy = -8.0f;
    s.kind->move(0);
    EXPECT_EQ(r.vx, 8.0f) << s.kind->name;
    EXPECT_EQ(r.x, 300.5f) << s.kind->name;
    EXPECT_EQ(r.y, 199.5f) << s.kind->name;
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
  // Bullet i from craft i: craft 0 where it stands, the others parked.
  EXPECT_EQ(gGunZakAShot[0].x, 142.0f);
  EXPECT_EQ(gGunZakAShot[0].y, 150.0f);
  EXPECT_EQ(gGunZakAShot[3].x, -458.0f);
  EXPECT_EQ(gGunZakAShot[3].y, -450.0f);
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 10.5f), 0);  // between bands
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 10.0f), 0);
  EXPECT_EQ(fired(MoveGunZakA, gGunZakA, gGunZakAShot, 21.0f), 0);
  const int modes[][2] = {{1, 0}, {2, 0}, {1, 1}, {2, 1}};
  for (int m = 0; m < 4; ++m) {
    gDifficulty = modes[m][0];
    gDifficultyExtra = modes[m][1];
    const int expected = m == 0 ? 0 : 5;
    EXPECT_EQ(fired(MoveGunZakC, gGunZakC, gGunZakCShot, 20.0f), expected) << m;
    EXPECT_EQ(fired(MoveGunZakD, gGunZakD, gGunZakDShot, 11.0f), expected) << m;
    EXPECT_EQ(fired(MoveGunZakB, gGunZakB, gGunZakBShot, 11.0f), 5) << m;
  }
}

TEST_F(WaveScriptTest, TwinGunZakFiresShot1InBandTwoAndShot2InBandThreeCAndDOnlyInExtraMode) {
  gFrameScale = 0.0625f;  // 25 units/s: 1.5625 a move
  auto live = [](AimedShotRecord* shots, int n) {
    int count = 0;
    for (int i = 0; i < n; ++i) count += shots[i].alive;
    return count;
  };
  Fly(gTwinGunZakA[0], 100.0f, 100.0f, 11.0f - 1.5625f);
  Fly(gTwinGunZakA[1], 200.0f, 100.0f, 21.0f - 1.5625f);
  MoveTwinGunZakA(0);
  EXPECT_EQ(live(gTwinGunZakAShot1, 4), 4);
  EXPECT_EQ(live(gTwinGunZakAShot2, 5), 5);
  EXPECT_EQ(gTwinGunZakAShot1[3].x, gTwinGunZakA[0].x + 40.0f);
  EXPECT_EQ(gTwinGunZakAShot2[0].y, gTwinGunZakA[1].y + 50.0f);
  for (int extra : {0, 1}) {
    gDifficulty = 2;
    gDifficultyExtra = extra;
    for (WaveOps k : {kWaveKinds[2], kWaveKinds[3]}) {
      Fly(k.slots[0], 100.0f, 300.0f, 20.0f - 1.5625f);
      Fly(k.slots[1], 200.0f, 300.0f, 30.0f - 1.5625f);
      k.move(0);
    }
    EXPECT_EQ(live(gTwinGunZakCShot1, 4) + live(gTwinGunZakDShot1, 4), 8 * extra);
    EXPECT_EQ(live(gTwinGunZakCShot2, 5) + live(gTwinGunZakDShot2, 5), 10 * extra);
  }
}

TEST_F(WaveScriptTest, Zak4AFillsShot1InBandOneAndShot2InBandTwoFromTheirOwnEnemySlots) {
  gFrameScale = 0.0625f;  // 40 units/s: 2.5 a move
  Fly(gZak4A[0], 100.0f, 100.0f, 10.0f - 2.5f);
  MoveZak4A(0);
  for (const AimedShotRecord& s : gZak4AShot1) EXPECT_EQ(s.alive, 1);
  for (const AimedShotRecord& s : gZak4AShot2) EXPECT_EQ(s.alive, 0);
  Fly(gZak4A[0], 100.0f, 100.0f, 11.0f - 2.5f);
  MoveZak4A(0);
  for (const AimedShotRecord& s : gZak4AShot2) EXPECT_EQ(s.alive, 1);
  // The shot starts from enemy slot 1, which is free: parked far off.
  EXPECT_EQ(gZak4AShot2[4].x, -450.0f);
  EXPECT_EQ(gZak4AShot2[4].y, 550.0f);
  MoveZak4AShot2(0);
  for (const AimedShotRecord& s : gZak4AShot2) EXPECT_EQ(s.alive, 0);
}

TEST_F(WaveScriptTest, MoveFreesSlotsOutsideEachKindsBoundsAndLeavesTheExplosionRunning) {
  // From the reset's (-500, -500): the kinds whose bounds test x < 0,
  // x < -140, y < -100 or y < -70 park the slot, the others leave it there.
  for (const WaveOps& k : kWaveKinds) {
    k.move(0);
    const bool parks = k.name == "TwinGunZakB" || k.name == "TwinGunZakD" || k.name == "GunZakB" ||
                       k.name == "GunZakC" || k.name == "GunZakD" || k.name.starts_with("Zak4");
    EXPECT_EQ(k.slots[0].y, parks ? 500.0f : -500.0f) << k.name;
  }
  struct Case {
    void (*move)(int);
    WaveZakRecord* slots;
    float x, y;
    int alive;
  };
  const Case cases[] = {
      {MoveTwinGunZakA, gTwinGunZakA, 540.0f, 480.0f, 1},
      {MoveTwinGunZakA, gTwinGunZakA, 540.5f, 0, 0},
      {MoveTwinGunZakB, gTwinGunZakB, -0.5f, 0, 0},
      {MoveGunZakA, gGunZakA, 640.5f, 0, 0},
      {MoveGunZakB, gGunZakB, -140, 0, 1},
      {MoveGunZakB, gGunZakB, -140.5f, 0, 0},
      {MoveGunZakC, gGunZakC, 640, -100, 1},
      {MoveGunZakC, gGunZakC, 0, -100.5f, 0},
      {MoveZak4C, gZak4C, -90.5f, 480, 0},
      {MoveZak4D, gZak4D, 640, -70, 1},
      {MoveZak4D, gZak4D, 640, -70.5f, 0},
  };
  for (size_t c = 0; c < std::size(cases); ++c) {
    WaveZakRecord& r = cases[c].slots[4];
    r = {};
    r.alive = 1;
    r.dying = 1;  // the explosion is not stopped by leaving
    r.frame = 3;
    r.x = cases[c].x;
    r.y = cases[c].y;
    r.phaseTimer = 50.0f;
    cases[c].move(0);
    EXPECT_EQ(r.alive, cases[c].alive) << c;
    EXPECT_EQ(r.dying, 1) << c;
    EXPECT_EQ(r.frame, 3) << c;
    if (!cases[c].alive) {
      EXPECT_EQ(r.y, 500.0f) << c;
    }
  }
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

TEST_F(WaveScriptTest, TheResetLeavesEverySlotAboveTheScreenWithItsClockAtZero) {
  gGunZakB[2].phaseTimer = 55.0f;
  gTwinGunZakC[4].waveCounter = 12;
  gZak4DMarkers[1] = {100, 100, 1, 7};
  gZak4AShot2[3].dx = 12.0f;  // the Zak4 shots' reset writes no aim
  gZak4AShot2[3].speed = 300.0f;
  gGunZakAShot[0].angle = 1.0f;
  ResetGameState();
  EXPECT_EQ(gGunZakB[2].phaseTimer, 0.0f);
  EXPECT_EQ(gGunZakB[2].x, -500.0f);
  EXPECT_EQ(gGunZakB[2].y, -500.0f);
  EXPECT_EQ(gTwinGunZakC[4].waveCounter, 0);
  EXPECT_EQ(gZak4DMarkers[1].locked + gZak4DMarkers[1].spare, 0);
  EXPECT_EQ(gZak4DMarkers[1].y, 500);
  EXPECT_EQ(gZak4AShot2[3].dx, 12.0f);
  EXPECT_EQ(gZak4AShot2[3].speed, 0.0f);
  EXPECT_FLOAT_EQ(gGunZakAShot[0].angle, -3.0f * 3.14159265f / 180.0f);
  EXPECT_TRUE(Zak4MarkersAtStart<gZak4DMarkers>());
  gZak4BMarkers[0].locked = 1;
  EXPECT_FALSE(Zak4MarkersAtStart<gZak4BMarkers>());
  ResetZak4Markers<gZak4BMarkers>();
  EXPECT_TRUE(Zak4MarkersAtStart<gZak4BMarkers>());
}

}  // namespace
