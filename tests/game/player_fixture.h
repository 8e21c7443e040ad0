// Plays stage 1 on the headless backend and lets a test act before chosen
// frames: the hook of frame f sees the state that frame f - 1 left. A hook
// whose frame never comes, or a run that ends before its frames, fails the
// test, so checks inside hooks cannot pass unrun.
#pragma once
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "game/game_state.h"
#include "platform/keys.h"
#include "tests/game/game_fixture.h"

// Enter on the title; stage 1 runs from the next frame.
constexpr int kEnterFrame = 2;
// Stage 1 runs and its 26-frame transition, which blanks the keys, is over.
constexpr int kPlay = 40;

class PlayerTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    headless::KeyDown(kEnterFrame, plat::kVkReturn);
    headless::KeyUp(kEnterFrame + 1, plat::kVkReturn);
  }
  void TearDown() override {
    for (const auto& [frame, hooks] : at_)
      ADD_FAILURE() << hooks.size() << " hook(s) before frame " << frame << " never ran";
    GameTest::TearDown();
  }

  // Runs `f` before frame `frame`; the test fails if that frame never comes.
  void At(int frame, std::function<void()> f) { at_[frame].push_back(std::move(f)); }
  // Runs `f` before every frame.
  void Every(std::function<void(int)> f) { every_.push_back(std::move(f)); }

  // Runs `frames` frames; the test fails if the run ends before them.
  void RunFrames(int frames) {
    RunAtMost(frames);
    EXPECT_EQ(headless::FrameIndex(), frames) << "the run ended early";
  }

  // Runs up to `frames` frames, for a test that closes the run itself.
  void RunAtMost(int frames) {
    headless::OnFrame([this](int f) {
      for (auto& g : every_) g(f);
      if (auto it = at_.find(f); it != at_.end()) {
        const std::vector<std::function<void()>> due = std::move(it->second);
        at_.erase(it);
        for (const auto& g : due) g();
      }
    });
    headless::Close(frames);
    Run();
  }

  // A picture object of one colour, to tell draws apart by their pixels.
  static int Picture(int width, int height, uint16_t colour) {
    const int n = koDraw::CreateObject(width, height, 1);
    Surface* s = koDraw::ObjectSurface(n);
    std::fill(s->pixels.begin(), s->pixels.end(), colour);
    return n;
  }
  static uint16_t Pixel(int x, int y) { return headless::LastFrame()[y * 640 + x]; }

  // A stage clock that this frame's advance at `unitsPerSecond` brings to exactly `target`.
  static float ClockLandingOn(float target, float unitsPerSecond = 20.0f) {
    const float scale = static_cast<float>(headless::Now() - gLastFrameTime) / 1000.0f;
    const float step = scale * unitsPerSecond;
    float c = target - step;
    while (c + step < target) c = std::nextafter(c, 1e9f);
    while (c + step > target) c = std::nextafter(c, -1e9f);
    return c;
  }

  // Plays of a sound object since the last call (fewer than its voice count per call).
  int PlaysOf(int object) {
    if (object < 0 || object >= kSoundObjectCount || gSoundObjects[object].voiceCount < 1) {
      ADD_FAILURE() << "sound object " << object << " is not loaded";
      return -1;
    }
    const SoundObject& o = gSoundObjects[object];
    int& last = nextVoice_[object];
    const int plays = (o.nextVoice - last + o.voiceCount) % o.voiceCount;
    last = o.nextVoice;
    return plays;
  }

 private:
  std::map<int, std::vector<std::function<void()>>> at_;
  std::vector<std::function<void(int)>> every_;
  std::map<int, int> nextVoice_;
};
