#include "game/scenes.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "platform/keys.h"
#include "platform/midi.h"
#include "tests/game/game_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

struct FrameRecord {
  int scene, entered, kind, length, count;
};

// Records the scene state at the start of every frame (after the last one ran).
class SceneFlowTest : public GameTest {
 protected:
  void Record(int frames) {
    records_.reserve(static_cast<size_t>(frames) + 1);  // the recording itself never allocates
    headless::OnFrame([this](int f) {
      records_.push_back(
          {gScene, gSceneEntered, gTransitionKind, gTransitionLength, gTransitionCount});
      if (hook_) hook_(f);
    });
    headless::Close(frames);
    Run();
  }
  std::vector<FrameRecord> records_;
  std::function<void(int)> hook_;
};

TEST_F(SceneFlowTest, EnterOnTheTitleDissolvesIntoStage1) {
  std::vector<uint16_t> titleFrame, captured;
  int edgeDuringTransition = -1;
  int zState = 0;
  hook_ = [&](int f) {
    if (f == 10) titleFrame = headless::LastFrame();
    if (f == 11) captured = koDraw::ObjectSurface(1)->pixels;
    if (f > 11) {
      koSystem::KeyEdge('Z', &zState);
      if (gTransitionCount != 0) edgeDuringTransition = std::max(edgeDuringTransition, zState);
    }
  };
  headless::KeyDown(10, plat::kVkReturn);
  headless::KeyDown(12, 'Z');
  Record(60);
  // Enter is seen before frame 10; the title runs frame 10 and changes the scene.
  EXPECT_EQ(records_[10].scene, SceneTitle);
  EXPECT_EQ(records_[11].scene, SceneStage1);
  EXPECT_EQ(records_[11].kind, 2);
  EXPECT_EQ(records_[11].length, 26);
  EXPECT_EQ(gScene, SceneStage1);
  EXPECT_EQ(titleFrame, std::vector<uint16_t>(captured.begin(), captured.begin() + 640 * 480));
  EXPECT_EQ(edgeDuringTransition, 0);
  EXPECT_EQ(zState, 3);  // once the transition is over the held key reads held
  EXPECT_EQ(gLives, 777);
  EXPECT_EQ(gDifficulty, 1);
}

// The title's frames wait for the vertical blank; the first stage frame
// switches the wait off for good, also for the title shown again later.
TEST_F(SceneFlowTest, TitleFramesWaitForTheVerticalBlankUntilTheFirstStageFrame) {
  gVSync = 1;  // as at program start
  std::vector<int> shown, waited;
  shown.reserve(61);
  waited.reserve(61);
  hook_ = [&](int f) {
    shown.push_back(headless::ShownFrames());
    waited.push_back(headless::WaitedFrames());
    if (f == 40) ChangeScene(SceneTitle, 2, 26);  // back to the title
  };
  headless::KeyDown(10, plat::kVkReturn);
  headless::KeyUp(11, plat::kVkReturn);
  Record(60);
  ASSERT_EQ(waited.size(), 60u);
  for (int f = 0; f + 1 < 60; ++f) {
    EXPECT_EQ(shown[f + 1] - shown[f], 1) << "frame " << f;
    EXPECT_EQ(waited[f + 1] - waited[f], f <= 10 ? 1 : 0) << "frame " << f;
  }
  EXPECT_EQ(records_[10].scene, SceneTitle);
  EXPECT_EQ(records_[11].scene, SceneStage1);
  EXPECT_EQ(records_[41].scene, SceneTitle);
  EXPECT_EQ(gScene, SceneTitle);
}

TEST_F(SceneFlowTest, StageOneRestartsItselfOnR) {
  headless::KeyDown(5, plat::kVkReturn);
  headless::KeyUp(6, plat::kVkReturn);
  headless::TapKey(50, 'R');
  hook_ = [&](int f) {
    if (f == 40) {
      gStageClock = 300.0f;
      gDifficulty = 2;  // as the level select's F4 leaves it
      gDifficultyExtra = 1;
    }
  };
  Record(80);
  EXPECT_EQ(gScene, SceneStage1);
  EXPECT_EQ(gReplay, 1);
  EXPECT_EQ(records_[51].scene, SceneStage1);
  EXPECT_LT(gStageClock, 20.0f);  // started again from 0
  EXPECT_EQ(records_[51].kind, 3);
  EXPECT_EQ(records_[51].length, 26);
  EXPECT_EQ(records_[51].count, 26);
  EXPECT_EQ(gDifficulty, 1);  // a replay always plays the first mode
  EXPECT_EQ(gDifficultyExtra, 0);
}

TEST_F(SceneFlowTest, TransitionKind13KeepsThePictureCapturedBefore) {
  std::vector<bool> kept;
  hook_ = [&](int f) {
    if (f != 5) return;
    for (int kind : {13, 12}) {
      Surface* s = koDraw::ObjectSurface(1);
      std::fill(s->pixels.begin(), s->pixels.end(), uint16_t{0x1234});
      ChangeScene(SceneTitle, kind, 10);
      kept.push_back(std::ranges::all_of(s->pixels, [](uint16_t p) { return p == 0x1234; }));
    }
  };
  Record(6);
  EXPECT_EQ(kept, (std::vector<bool>{true, false}));
}

// Kind 0 captures nothing and leaves the scene running: the engine covers
// it, then switches to the target, entered afresh.
TEST_F(SceneFlowTest, TransitionKind0CoversTheSceneThenSwitches) {
  bool requested = false;
  hook_ = [&](int f) {
    if (f != 5) return;
    Surface* s = koDraw::ObjectSurface(1);
    std::fill(s->pixels.begin(), s->pixels.end(), uint16_t{0x1234});
    ChangeScene(SceneLevelSelect, 0, 10);
    requested = gNextScene == SceneLevelSelect && gTransitionState == 1 && gScene == SceneTitle &&
                gPrevScene == SceneTitle &&
                std::ranges::all_of(s->pixels, [](uint16_t p) { return p == 0x1234; });
  };
  Record(30);
  EXPECT_TRUE(requested);
  EXPECT_EQ(records_[6].scene, SceneTitle);
  EXPECT_EQ(records_[6].kind, 0);
  EXPECT_EQ(records_[6].length, 10);
  const auto first = std::ranges::find_if(
      records_, [](const FrameRecord& r) { return r.scene == SceneLevelSelect; });
  ASSERT_NE(first, records_.end());
  EXPECT_GT(first - records_.begin(), 7);  // a few covering frames first
  EXPECT_EQ(first->entered, 1);
  EXPECT_EQ(gScene, SceneLevelSelect);
}

// Every game start shows the same ship picture: loaded once, then found.
TEST_F(SceneFlowTest, AGameStartedAgainReusesTheShipPicture) {
  const auto taken = [] {
    return std::ranges::count_if(gDrawObjects, [](const koDrawObject& r) { return r.name[0]; });
  };
  std::vector<long> sprites, records;
  hook_ = [&](int f) {
    if (f == 20 || f == 70) {
      sprites.push_back(gPlayerSprite);
      records.push_back(taken());
    }
    if (f == 40) ChangeScene(SceneTitle, 2, 26);
  };
  headless::TapKey(10, plat::kVkReturn);
  headless::TapKey(60, plat::kVkReturn);
  Record(72);
  ASSERT_EQ(sprites.size(), 2u);
  EXPECT_GT(sprites[0], 0);
  EXPECT_EQ(sprites[1], sprites[0]);
  EXPECT_EQ(records[1], records[0]);
  EXPECT_EQ(records_[61].scene, SceneStage1);
}

TEST_F(SceneFlowTest, StageEntriesAndASongLoopAllocateNothing) {
  headless::KeyDown(5, plat::kVkReturn);
  headless::KeyUp(6, plat::kVkReturn);
  std::vector<int16_t> audio(2 * 800);
  size_t entries[8] = {}, loop = 0;
  uint32_t before = 0, after = 0;
  hook_ = [&](int f) {
    {
      alloc_counter::Aside audioThread;
      headless::RenderAudio(audio.data(), 735);  // a frame's worth of music
    }
    const int stage = f / 50 - 2, at = f % 50;
    if (stage >= 0 && stage < 8 && at == 0) {
      ChangeScene(SceneStage1 + stage, 3, 30);
      alloc_counter::Start();
    }
    if (stage >= 0 && stage < 8 && at == 40) entries[stage] = alloc_counter::Stop();
    if (f == 500) {  // near stage 8's song end, so that it loops in the next frames
      plat::MidiSeek(plat::GetMidiLength() - 30);
      koSound::SendMciString("play midi notify");
      before = plat::GetMidiPosition();
      alloc_counter::Start();
    }
    if (f == 540) {
      loop = alloc_counter::Stop();
      after = plat::GetMidiPosition();
    }
  };
  Record(541);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(entries[i], 0u) << "stage " << i + 1;
  EXPECT_EQ(loop, 0u);
  EXPECT_GT(before, after);  // the song went round
  EXPECT_EQ(plat::GetMidiMode(), plat::MidiMode::kPlaying);
}

}  // namespace

namespace {

// Three taps would leave a working pause key paused too: each tap is read.
TEST_F(SceneFlowTest, PauseKeyDoesNothingWhileTheContinuePromptIsUp) {
  headless::KeyDown(5, plat::kVkReturn);
  std::vector<int> paused;
  hook_ = [&](int f) {
    if (f == 40) gContinuePrompt = gPaused = 1;
    if (f == 51 || f == 53 || f == 55) paused.push_back(gPaused);
  };
  headless::TapKey(50, 'S');
  headless::TapKey(52, 'S');
  headless::TapKey(54, 'S');
  Record(60);
  EXPECT_EQ(paused, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(gContinuePrompt, 1);
}

}  // namespace
