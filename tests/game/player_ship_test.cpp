#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "game/backgrounds.h"
#include "game/scenes.h"
#include "player/ship.h"
#include "tests/game/player_fixture.h"

namespace {

using ShipTest = PlayerTest;

// A key pressed again on the frame after a one-frame tap counts as held at once.
TEST_F(ShipTest, AKeyPressedAgainRightAfterATapIsHeldAtOnce) {
  std::vector<int> states;
  headless::TapKey(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay + 2, plat::kVkLeft);
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 3) states.push_back(gKeyStateLeft);
  });
  RunFrames(kPlay + 4);
  EXPECT_EQ(states, (std::vector<int>{1, 2, 3}));
}

TEST_F(ShipTest, EdgesHoldTheShipAtExactly0And480And420) {
  std::vector<float> xs, ys;
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay, plat::kVkUp);
  At(kPlay + 120, [&] { xs.push_back(gPlayerX), ys.push_back(gPlayerY); });
  headless::KeyUp(kPlay + 120, plat::kVkLeft);
  headless::KeyUp(kPlay + 120, plat::kVkUp);
  headless::KeyDown(kPlay + 121, plat::kVkRight);
  headless::KeyDown(kPlay + 121, plat::kVkDown);
  At(kPlay + 360, [&] { xs.push_back(gPlayerX), ys.push_back(gPlayerY); });
  RunFrames(kPlay + 361);
  EXPECT_EQ(xs, (std::vector<float>{0.0f, 480.0f}));
  EXPECT_EQ(ys, (std::vector<float>{0.0f, 420.0f}));
}

constexpr uint32_t kPadLow = 0, kPadMid = 32767, kPadHigh = 65535;

// The ship's velocity in each frame, from the move it made and the frame's time.
struct Velocities {
  std::map<int, std::pair<float, float>> byFrame;  // by the frame that moved
  float x = 0, y = 0;
  void Note(int f) {
    if (gFrameScale > 0.0f)
      byFrame[f - 1] = {(gPlayerX - x) / gFrameScale, (gPlayerY - y) / gFrameScale};
    x = gPlayerX, y = gPlayerY;
  }
  // The largest miss of (vx, vy) in frames [from, to).
  float Miss(int from, int to, float vx, float vy) const {
    float miss = 0.0f;
    for (int f = from; f < to; ++f) {
      const auto& [x, y] = byFrame.at(f);
      miss = std::max({miss, std::abs(x - vx), std::abs(y - vy)});
    }
    return miss;
  }
};

// Each strip array's drift, first and last record.
std::vector<float> Drifts() {
  std::vector<float> d;
  for (const BackgroundStrip* s : {gUnusedStripsB, gStage5Strips, gStage6Strips, gStage7Strips})
    d.insert(d.end(), {s[0].driftX, s[kStripRecords - 1].driftX});
  return d;
}
std::vector<float> DriftsFlyingLeft(float sign) {
  std::vector<float> d;
  for (float v : {50.0f, 55.0f, 60.0f, 65.0f}) d.insert(d.end(), {sign * v, sign * v});
  return d;
}

// Each phase changes the input at its start and is measured from its fifth frame on.
TEST_F(ShipTest, ThePadSteersBanksAndDriftsAndWinsItsAxisOverTheKeysWhileACentredAxisLeavesThem) {
  constexpr int kA = kPlay, kB = kPlay + 40, kC = kPlay + 80, kD = kPlay + 120, kE = kPlay + 160;
  headless::SetPad(0, 0, true, kPadMid, kPadMid);  // at rest from the start: its centre
  headless::SetPad(kA, 0, true, kPadHigh, kPadMid);
  headless::SetPad(kB, 0, true, kPadLow, kPadMid);
  headless::KeyDown(kB, plat::kVkRight);
  headless::KeyDown(kB, plat::kVkUp);
  headless::SetPad(kC, 0, true, kPadMid, kPadHigh);
  headless::SetPad(kD, 0, true, kPadLow, kPadLow);
  headless::KeyUp(kD, plat::kVkRight);
  headless::KeyUp(kD, plat::kVkUp);
  At(kD, [] { gShipType = 2; });
  headless::SetPad(kE, 0, true, kPadMid, kPadMid);
  Velocities v;
  std::map<int, std::pair<int, std::vector<float>>> banksAndDrifts;  // at each phase's end
  Every([&](int f) {
    v.Note(f);
    if (f == kB || f == kC || f == kD || f == kE || f == kE + 40)
      banksAndDrifts[f] = {gBankFrame, Drifts()};
  });
  int alive = 1;
  Every([&](int f) {
    if (f > kA) alive &= gPlayerAlive;
  });
  RunFrames(kE + 41);
  ASSERT_EQ(alive, 1);
  EXPECT_LT(v.Miss(kA + 5, kB, 177.0f, 0.0f), 1e-2f);
  EXPECT_LT(v.Miss(kB + 5, kC, -177.0f, -177.0f), 1e-2f);  // stick on x, Up on y
  EXPECT_LT(v.Miss(kC + 5, kD, 177.0f, 177.0f), 1e-2f);    // Right on x, stick on y
  EXPECT_LT(v.Miss(kD + 5, kE, -200.0f, -200.0f), 1e-2f);  // ship type 2, diagonally
  EXPECT_EQ(v.Miss(kE + 5, kE + 40, 0.0f, 0.0f), 0.0f);
  EXPECT_EQ(banksAndDrifts[kB], std::make_pair(0, DriftsFlyingLeft(-1.0f)));
  EXPECT_EQ(banksAndDrifts[kC], std::make_pair(6, DriftsFlyingLeft(1.0f)));
  EXPECT_EQ(banksAndDrifts[kD], std::make_pair(0, DriftsFlyingLeft(-1.0f)));
  EXPECT_EQ(banksAndDrifts[kE], std::make_pair(6, DriftsFlyingLeft(1.0f)));
  EXPECT_EQ(banksAndDrifts[kE + 40].first, 3);  // back to level once the stick is let go
}

// With all four keys held the ship flies right and down at full speed, level
// and with the strips drifting as for any flight to the right.
TEST_F(ShipTest, RightBeatsLeftAndDownBeatsUpWhicheverWasPressedFirst) {
  constexpr int kFirst = kPlay, kSecond = kPlay + 35, kEnd = kPlay + 60;
  headless::KeyDown(kFirst, plat::kVkRight);
  headless::KeyDown(kFirst, plat::kVkUp);
  headless::KeyDown(kFirst + 3, plat::kVkLeft);
  headless::KeyDown(kFirst + 3, plat::kVkDown);
  for (int vk : {plat::kVkRight, plat::kVkUp, plat::kVkLeft, plat::kVkDown})
    headless::KeyUp(kSecond - 5, vk);
  headless::KeyDown(kSecond, plat::kVkLeft);
  headless::KeyDown(kSecond, plat::kVkDown);
  headless::KeyDown(kSecond + 3, plat::kVkRight);
  headless::KeyDown(kSecond + 3, plat::kVkUp);
  Velocities v;
  std::vector<int> banks;
  std::vector<float> drifts;
  Every([&](int f) {
    v.Note(f);
    if (f == kSecond - 5 || f == kEnd) banks.push_back(gBankFrame);
    if (f == kEnd) drifts = Drifts();
  });
  RunFrames(kEnd + 1);
  EXPECT_LT(v.Miss(kFirst + 5, kSecond - 5, 177.0f, 177.0f), 1e-2f);
  EXPECT_LT(v.Miss(kSecond + 5, kEnd, 177.0f, 177.0f), 1e-2f);
  EXPECT_EQ(banks, (std::vector<int>{0, 0}));
  EXPECT_EQ(drifts, DriftsFlyingLeft(-1.0f));
}

TEST_F(ShipTest, PadButtonsFireFromTheirFirstFrameAndBombAndStillActOnceTheGameIsOver) {
  constexpr int kTap = kPlay, kAll = kPlay + 5, kOver = kPlay + 20, kBomb = kPlay + 30;
  headless::SetPad(0, 0, true, kPadMid, kPadMid);
  headless::SetPad(kTap, 0, true, kPadMid, kPadMid, 1);  // button 1 for one frame
  headless::SetPad(kTap + 1, 0, true, kPadMid, kPadMid, 0);
  // Button 1, Z and Shift together: three cadence steps a frame once the keys are held.
  headless::SetPad(kAll, 0, true, kPadMid, kPadMid, 1);
  headless::KeyDown(kAll, 'Z');
  headless::KeyDown(kAll, plat::kVkShift);
  headless::KeyUp(kAll + 5, 'Z');
  headless::KeyUp(kAll + 5, plat::kVkShift);
  headless::SetPad(kAll + 5, 0, true, kPadMid, kPadMid, 0);
  // Game over: the keys go dead, the stick and button 1 still act, and X does not bomb.
  At(kOver, [] { gGameOver = 1; });
  headless::KeyDown(kOver, plat::kVkLeft);
  headless::KeyDown(kOver, 'X');
  headless::SetPad(kOver, 0, true, kPadHigh, kPadMid, 1);
  headless::SetPad(kBomb, 0, true, kPadMid, kPadMid, 2);  // button 2: the bomb
  std::map<int, int> counter;
  Velocities v;
  int leftState = -1, bombBefore = -1, bombAfter = -1, fireAfter = -1;
  Every([&](int f) {
    counter[f] = gFireCounterA;
    v.Note(f);
  });
  At(kBomb, [&] {
    leftState = gKeyStateLeft;
    bombBefore = gBombActive;
  });
  At(kBomb + 1, [&] {
    bombAfter = gBombActive;
    fireAfter = gFireEnabled;
  });
  RunFrames(kBomb + 2);
  auto steps = [&](int f) { return (counter[f + 1] - counter[f] + 48) % 48; };
  EXPECT_EQ(steps(kTap), 1);
  EXPECT_EQ(steps(kTap + 1), 0);
  EXPECT_EQ(steps(kAll), 1);  // the keys are not held yet
  EXPECT_EQ(steps(kAll + 2), 3);
  EXPECT_EQ(steps(kOver + 2), 1);
  EXPECT_LT(v.Miss(kOver + 1, kBomb, 177.0f, 0.0f), 1e-2f);
  EXPECT_EQ(leftState, 0);
  EXPECT_EQ(bombBefore, 0);
  EXPECT_EQ(bombAfter, 1);
  EXPECT_EQ(fireAfter, 0);
}

TEST_F(ShipTest, BankWalksToFullBankAndBackToLevelOnBothSides) {
  std::vector<int> left, right;
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyUp(kPlay + 6, plat::kVkLeft);
  headless::KeyDown(kPlay + 20, plat::kVkRight);
  headless::KeyUp(kPlay + 26, plat::kVkRight);
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 12) left.push_back(gBankFrame);
    if (f > kPlay + 20 && f <= kPlay + 32) right.push_back(gBankFrame);
  });
  RunFrames(kPlay + 33);
  // Press frame, then three steps to full bank, held there, then back to level and stopped.
  EXPECT_EQ(left, (std::vector<int>{3, 4, 5, 6, 6, 6, 5, 4, 3, 3, 3, 3}));
  EXPECT_EQ(right, (std::vector<int>{3, 2, 1, 0, 0, 0, 1, 2, 3, 3, 3, 3}));
}

}  // namespace
