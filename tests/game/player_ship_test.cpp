#include <cmath>
#include <vector>

#include "game/backgrounds.h"
#include "game/scenes.h"
#include "player/ship.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using ShipTest = PlayerTest;

TEST_F(ShipTest, AKeyActsFromItsSecondFrameAndATapDoesNothing) {
  float x0 = 0, xAfterTap = 0, xSecondFrame = 0, xThirdFrame = 0;
  int counterAfterTap = -1, bombAfterTap = -1;
  At(kPlay, [&] { x0 = gPlayerX; });
  headless::TapKey(kPlay, plat::kVkLeft);
  headless::TapKey(kPlay, 'Z');
  headless::TapKey(kPlay, 'X');
  At(kPlay + 3, [&] {
    xAfterTap = gPlayerX;
    counterAfterTap = gFireCounterA;
    bombAfterTap = gBombActive;
  });
  headless::KeyDown(kPlay + 5, plat::kVkRight);
  At(kPlay + 6, [&] { xSecondFrame = gPlayerX; });
  At(kPlay + 7, [&] { xThirdFrame = gPlayerX; });
  RunFrames(kPlay + 8);
  EXPECT_EQ(xAfterTap, x0);
  EXPECT_EQ(counterAfterTap, 0);
  EXPECT_EQ(bombAfterTap, 0);
  EXPECT_EQ(xSecondFrame, x0);  // the press frame itself does not move the ship
  EXPECT_GT(xThirdFrame, x0);
}

TEST_F(ShipTest, RightBeatsLeftDownBeatsUpAndADiagonalFlies177PerSecondPerAxis) {
  float x0 = 0, y0 = 0, dx = 0, dy = 0, drifts[4] = {};
  int bank = -1;
  for (int vk : {plat::kVkLeft, plat::kVkRight, plat::kVkUp, plat::kVkDown})
    headless::KeyDown(kPlay, vk);
  At(kPlay + 2, [&] { x0 = gPlayerX, y0 = gPlayerY; });
  At(kPlay + 62, [&] {
    dx = gPlayerX - x0;
    dy = gPlayerY - y0;
    bank = gBankFrame;
    // Every record of the vertical scrollers' strips drifts against the ship.
    drifts[0] = gUnusedStripsB[kStripRecords - 1].driftX, drifts[1] = gStage5Strips[0].driftX;
    drifts[2] = gStage6Strips[2500].driftX, drifts[3] = gStage7Strips[kStripRecords - 1].driftX;
  });
  RunFrames(kPlay + 63);
  // 60 frames of 1000/60 ms each: one second.
  EXPECT_NEAR(dx, 177.0f, 0.01f);
  EXPECT_NEAR(dy, 177.0f, 0.01f);
  EXPECT_EQ(bank, 0);  // banked right
  EXPECT_EQ(std::vector<float>(drifts, drifts + 4),
            (std::vector<float>{-50.0f, -55.0f, -60.0f, -65.0f}));
}

TEST_F(ShipTest, ADeflectedStickOverridesTheKeysOnItsAxisOnly) {
  float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  headless::SetPad(0, 0, true);  // centred: the centre is captured on the first reading
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay, plat::kVkUp);
  headless::SetPad(kPlay, 0, true, 65535, 32767);  // stick right, vertical centred
  At(kPlay + 2, [&] { x0 = gPlayerX, y0 = gPlayerY; });
  At(kPlay + 12, [&] { x1 = gPlayerX, y1 = gPlayerY; });
  RunFrames(kPlay + 13);
  EXPECT_GT(x1, x0);  // the stick's right beats the key's left
  EXPECT_LT(y1, y0);  // the centred vertical leaves the key's up
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

TEST_F(ShipTest, AfterTheGameEndsKeysDoNothingButThePadStillFliesFiresAndBombs) {
  float x0 = 0, x1 = 0, x2 = 0;
  int counter = 0, bomb = 0, leftState = -1;
  headless::SetPad(0, 0, true);
  At(kPlay, [&] { gGameOver = 1; });
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay, 'Z');
  headless::KeyDown(kPlay, 'X');
  At(kPlay + 2, [&] { x0 = gPlayerX; });
  At(kPlay + 30, [&] {
    x1 = gPlayerX;
    counter = gFireCounterA;
    bomb = gBombActive;
    leftState = gKeyStateLeft;
  });
  headless::SetPad(kPlay + 30, 0, true, 65535, 32767, 0b11);
  At(kPlay + 33, [&] {
    x2 = gPlayerX;
    counter = gFireCounterA - counter;
    bomb = gBombActive;
  });
  RunFrames(kPlay + 34);
  EXPECT_EQ(x1, x0);
  EXPECT_EQ(leftState, 0);
  EXPECT_GT(x2, x1);
  EXPECT_EQ(counter, 1);  // the bomb started by button 2 stops fire from the next frame
  EXPECT_EQ(bomb, 1);
}

TEST_F(ShipTest, TheMoveRecordsDeadAndLockedFramesToo) {
  int index0 = 0, index1 = 0;
  At(kPlay, [&] {
    index0 = gTrackIndex;
    gControlLocked = 1;
    gPlayerAlive = 0;
  });
  At(kPlay + 10, [&] { index1 = gTrackIndex; });
  RunFrames(kPlay + 11);
  EXPECT_EQ(index1 - index0, 10);
}

TEST_F(ShipTest, TheEndingReadsTheControlsWhateverTheShipsStateAndMovesOnTheNextFrame) {
  float before = 0, x0 = 0, x1 = 0, x2 = 0;
  int counterWhileDead = 0, aliveThen = -1;
  At(kPlay, [&] {
    SwitchScene(SceneEnding);
    gControlLocked = 1;
    gPlayerAlive = 0;
  });
  headless::KeyDown(kPlay + 2, 'Z');
  headless::KeyUp(kPlay + 10, 'Z');
  At(kPlay + 10, [&] {
    counterWhileDead = gFireCounterA;
    aliveThen = gPlayerAlive;
  });
  // The explosion is over by now and the ship flies again, still locked.
  At(kPlay + 70, [&] { before = gPlayerX; });
  headless::KeyDown(kPlay + 70, plat::kVkRight);
  At(kPlay + 72, [&] { x0 = gPlayerX; });  // the key's first held frame ran its controls
  At(kPlay + 73, [&] { x1 = gPlayerX; });
  At(kPlay + 80, [&] { x2 = gPlayerX; });
  RunFrames(kPlay + 81);
  EXPECT_EQ(aliveThen, 0);
  EXPECT_EQ(counterWhileDead, 7);
  EXPECT_EQ(x0, before);
  EXPECT_GT(x1, x0);
  EXPECT_GT(x2, x1);
}

}  // namespace
