// The scripted wave kinds' drawing: TwinGunZak's cells by the phase clock,
// the explosion of each family with what it does to the wreck and the slot,
// and Zak4's body and marker, which show only while the slot is alive.
#include "tests/game/wave_fixture.h"

namespace {

using WaveDrawTest = WaveTest;

TEST_F(WaveDrawTest, TwinGunZakDrawsEveryCellWhoseBandHoldsTheClockAndNoneAbove100) {
  const struct {
    float t;
    std::vector<int> cells;
  } cases[] = {{0, {0}},     {5, {0}},     {10, {0, 1}}, {15.5f, {1}}, {20, {1, 2}},
               {30, {2, 3}}, {40, {3, 4}}, {100, {4}},   {100.5f, {}}, {-0.5f, {}}};
  for (const auto& c : cases) {
    gTwinGunZakA[3] = {};
    gTwinGunZakA[3].x = 200.7f;
    gTwinGunZakA[3].y = -20.2f;  // truncated towards zero
    gTwinGunZakA[3].phaseTimer = c.t;
    EXPECT_EQ(Render([] { DrawTwinGunZakA(0); }), Render([&] {
                for (int cell : c.cells)
                  koDraw::Blit(200, -20, gPicZak12, 100 * cell, 0, 100 * cell + 100, 100);
              }))
        << c.t;
  }
  // The other three kinds' strips are never loaded: the engine's scratch object.
  EXPECT_EQ(gPicTwinGunZakB + gPicTwinGunZakC + gPicTwinGunZakD, kNoPicture);
}

TEST_F(WaveDrawTest, EachFamilyExplodesForThirtyTwoDrawsAndLeavesHitSkipAlone) {
  const struct {
    const WaveOps* kind;
    bool wreckStops;
  } kinds[] = {{&kWaveKinds[0], true}, {&kWaveKinds[6], false}, {&kWaveKinds[11], false}};
  for (const auto& k : kinds) {
    WaveZakRecord& r = k.kind->slots[2];
    r = {};
    r.alive = 1;
    r.hitSkip = 1;
    r.x = 100.9f;
    r.y = 200.0f;
    r.phaseTimer = 15.0f;  // a TwinGunZak in this band would still draw a cell
    k.kind->hit(2);
    EXPECT_EQ(r.dying, 1);
    for (int call = 0; call < 32; ++call) {
      r.vx = 50.0f;
      r.vy = -50.0f;
      gExplosionBlitMode = call % 2;
      const int f = call % 8;
      ASSERT_EQ(Render([&] { k.kind->draw(0); }), Render([f] {
                  if (gExplosionBlitMode == 1)
                    koDraw::BlitAdd(100, 200, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80);
                  else
                    koDraw::Blit(100, 200, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80);
                }))
          << k.kind->name << " draw " << call;
      if (call == 31) break;
      EXPECT_EQ(r.vx, k.wreckStops ? 0.0f : 50.0f) << k.kind->name;
      EXPECT_EQ(r.row, (call + 1) / 8);
    }
    EXPECT_EQ(r.alive + r.dying + r.frame + r.row, 0) << k.kind->name;
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 500.0f);
    EXPECT_EQ(r.hitSkip, 1) << k.kind->name;
  }
}

}  // namespace
