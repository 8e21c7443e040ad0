// The frame clock, the wait slots and the message boxes that stop the clock.
#include "platform/clock.h"

#include <vector>

#include "tests/engine/engine_fixture.h"

namespace {

std::vector<float> RecordScales(int frames) {
  std::vector<float> scales;
  testgame::onScene = [&scales](int) { scales.push_back(gFrameScale); };
  headless::Close(frames);
  WinMain("");
  return scales;
}

TEST_F(EngineTest, FrameScaleMeasuresOneSixtiethOfASecondAcrossAClockWrap) {
  headless::Reset(0xFFFFFF00u);
  const std::vector<float> scales = RecordScales(60);
  ASSERT_EQ(scales.size(), 60u);
  double sum = 0;
  for (float s : scales) {
    EXPECT_TRUE(s == 0.016f || s == 0.017f) << s;
    sum += s;
  }
  EXPECT_NEAR(sum, 1.0, 0.002);
  EXPECT_LT(headless::Now(), 0x1000u);  // the clock did wrap
}

// A stall, or an error box that stays up, gives the next frame one step no
// longer than the cap; the time an OK or yes/no box was up does not count.
TEST_F(EngineTest, OneFrameStepIsCappedAlsoAfterAnErrorBoxButNotAfterAMessageBox) {
  headless::Stall(10, 5000);
  headless::SetBoxUpTime(4000);
  std::vector<float> scales;
  testgame::onScene = [&](int) {
    scales.push_back(gFrameScale);
    if (scales.size() == 3) koSystem::SetWait(11, 5);
    if (scales.size() == 5) koSystem::Message("up for four seconds");
    if (scales.size() == 7) koSystem::AskYesNo("up for four seconds?");
  };
  headless::Close(12);
  const uint32_t start = headless::Now();
  WinMain("");
  ASSERT_EQ(headless::Boxes().size(), 3u);
  EXPECT_EQ(headless::Boxes()[0].caption, "エラー発生");
  EXPECT_GT(headless::Now() - start, 17000u);  // three boxes, a stall, twelve frames
  const float cap = kMaxFrameStepMs / 1000.0f;
  EXPECT_FLOAT_EQ(scales[3], cap);
  EXPECT_LT(scales[4], 0.02f);
  EXPECT_LT(scales[5], 0.02f);
  EXPECT_LT(scales[7], 0.02f);
  EXPECT_FLOAT_EQ(scales[10], cap);
  EXPECT_LT(scales[11], 0.02f);
}

TEST_F(EngineTest, WaitSlotReadsOverFromTheFirstFrameAtItsDeadline) {
  std::vector<int> over;
  testgame::onScene = [&](int) {
    if (over.empty()) koSystem::SetWait(1, 100);
    over.push_back(koSystem::IsWaitOver(1));
  };
  headless::Close(10);
  WinMain("");
  // 100 ms after frame 0 is reached on frame 6 (16, 17, 17, 16, 17, 17 ms).
  EXPECT_EQ(over, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1, 1, 1}));
}

TEST_F(EngineTest, WaitSlotsAcrossTheClockWrapAndWhenOff) {
  headless::Reset(0xFFFFFFF0u);
  koSystem::InitProcessState();
  koSystem::SetWait(3, 100);  // a deadline past the wrap, not yet reached
  EXPECT_EQ(koSystem::IsWaitOver(3), 0);
  headless::AdvanceClock(50);
  EXPECT_EQ(koSystem::IsWaitOver(3), 0);
  headless::AdvanceClock(50);
  EXPECT_EQ(koSystem::IsWaitOver(3), 1);
  // A slot that is off never reads over, wherever the clock is.
  headless::Reset(1000000000u);
  koSystem::InitProcessState();
  EXPECT_EQ(koSystem::InitWaits(), 1);
  for (int slot = 1; slot <= 10; ++slot) EXPECT_EQ(koSystem::IsWaitOver(slot), 0);
  koSystem::SetWait(2, 10);
  EXPECT_EQ(koSystem::InitWait(2), 1);
  headless::AdvanceClock(0x7FFFFFFF);
  EXPECT_EQ(koSystem::IsWaitOver(2), 0);
}

TEST_F(EngineTest, WaitSlotOutOfRangeReportsAndChangesNothing) {
  koSystem::InitProcessState();
  EXPECT_EQ(koSystem::SetWait(0, 10), 0);
  EXPECT_EQ(koSystem::InitWait(11), 0);
  EXPECT_EQ(koSystem::IsWaitOver(-1), 0);
  const auto& boxes = headless::Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "koSystem::SetWait : ウェイトNoが範囲外です");
  EXPECT_EQ(boxes[0].caption, "エラー発生");
  for (int i = 0; i <= kWaitSlots; ++i) EXPECT_FALSE(gWaitArmed[i]);
}

TEST_F(EngineTest, BusyWaitAndMessageBoxesResetTheClock) {
  koSystem::InitProcessState();
  const uint32_t start = plat::NowMs();
  gFrameScale = 0.5f;
  koSystem::Wait(30);
  EXPECT_GT(plat::NowMs() - start, 30u);
  EXPECT_EQ(gFrameScale, 0.0f);
  gLastFrameTime = 0;
  koSystem::Message("score %d", 42);
  EXPECT_EQ(headless::Boxes().at(0).text, "score 42\r\n");
  EXPECT_EQ(gLastFrameTime, plat::NowMs());
}

}  // namespace
