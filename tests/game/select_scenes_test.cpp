// The ship-select and level-select scenes, entered by a scene change from a
// running game: what each draws, and where each key takes the game.
#include <climits>
#include <cstring>
#include <fstream>
#include <ostream>
#include <vector>

#include "game/assets.h"
#include "game/scenes.h"
#include "tests/game/player_fixture.h"

namespace {

using SelectScenesTest = PlayerTest;

constexpr uint16_t kMarker = 0xF81F;

// The pixel a keyed blit leaves from (x, y) of `s` on a cleared screen.
uint16_t Shown(const Surface& s, int x, int y) {
  const uint16_t p = s.Row(y)[x];
  return p == s.colorKey ? 0 : p;
}

struct Change {
  int scene, kind, length, count;
  bool operator==(const Change&) const = default;
};
Change Now() { return {gScene, gTransitionKind, gTransitionLength, gTransitionCount}; }

// The state a level-select key leaves for stage 1.
struct Start {
  Change change;
  int key, difficulty, extra, score, lives, locked, highScore, blitMode;
  bool operator==(const Start&) const = default;
  friend std::ostream& operator<<(std::ostream& o, const Start& s) {
    const Change& c = s.change;
    return o << "{scene " << c.scene << " kind " << c.kind << "/" << c.length << "/" << c.count
             << " key " << s.key << " mode " << s.difficulty << "," << s.extra << " score "
             << s.score << " lives " << s.lives << " locked " << s.locked << " high " << s.highScore
             << " blit " << s.blitMode << "}";
  }
};

TEST_F(SelectScenesTest, TheShipSelectShowsItsPicturesAndF5OrF6OpenTheLevelSelect) {
  At(10, [] { ChangeScene(SceneShipSelect, 1, 26); });
  // The scene's second picture is the engine's scratch object: key, then a band of colour.
  At(45, [] {
    Surface& scratch = *koDraw::ObjectSurface(0);
    for (int y = 0; y < 480; ++y)
      std::fill(scratch.Row(y), scratch.Row(y) + 640, y < 400 ? scratch.colorKey : kMarker);
  });
  int wrong = -1;
  At(46, [&] {
    const Surface& back = *koDraw::ObjectSurface(gPicBack1u);
    const std::vector<uint16_t>& frame = headless::LastFrame();
    wrong = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) {
        const bool inside = x >= 100 && x < 540;
        const uint16_t want = !inside ? 0 : y < 400 ? Shown(back, x - 100, y) : kMarker;
        wrong += frame[y * 640 + x] != want;
      }
  });
  int spriteBefore = 0;
  At(50, [&] { spriteBefore = gPlayerSprite; });
  headless::TapKey(50, plat::kVkF1 + 4);
  Change afterF5{};
  int typeAfterF5 = -1, spriteAfterF5 = -1;
  bool captured = false;
  At(51, [&] {
    afterF5 = Now();
    typeAfterF5 = gShipType;
    spriteAfterF5 = gPlayerSprite;
    const std::vector<uint16_t>& shown = headless::LastFrame();
    captured = std::equal(shown.begin(), shown.end(), koDraw::ObjectSurface(1)->pixels.begin());
  });
  At(55, [] { ChangeScene(SceneShipSelect, 1, 26); });
  headless::TapKey(60, plat::kVkF1 + 5);
  Change afterF6{};
  int typeAfterF6 = -1;
  std::string spriteFile;
  At(61, [&] {
    afterF6 = Now();
    typeAfterF6 = gShipType;
    spriteFile = gDrawObjects[gPlayerSprite].name;
  });
  RunFrames(62);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(afterF5, (Change{SceneLevelSelect, 1, 26, 26}));
  EXPECT_TRUE(captured);
  EXPECT_EQ(typeAfterF5, 1);  // F5 keeps the ship the title chose
  EXPECT_EQ(spriteAfterF5, spriteBefore);
  EXPECT_EQ(afterF6, (Change{SceneLevelSelect, 1, 26, 26}));
  EXPECT_EQ(typeAfterF6, 2);
  EXPECT_EQ(spriteFile, "MYME2.BMP");
}

TEST_F(SelectScenesTest, TheLevelSelectShowsItsPictureOverTheStripsAndF1ToF4StartEachMode) {
  gRunBestScore = INT_MIN;  // the high score comes from the file alone
  std::ofstream("score.dat", std::ios::binary) << "98765432" << std::string(247, '\0');
  At(10, [] { ChangeScene(SceneLevelSelect, 1, 26); });
  int levelWrong = -1, stripsHidden = -1, keyed = 0, backKeyed = -1;
  At(50, [&] {
    const Surface& level = *koDraw::ObjectSurface(gPicLevel);
    const Surface& back = *koDraw::ObjectSurface(gPicBack1u);
    backKeyed = static_cast<int>(std::count(back.pixels.begin(), back.pixels.end(), back.colorKey));
    const std::vector<uint16_t>& frame = headless::LastFrame();
    levelWrong = stripsHidden = 0;
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) {
        const uint16_t shown = frame[y * 640 + x];
        if (const uint16_t want = Shown(level, x, y)) {
          levelWrong += shown != want;
        } else {
          ++keyed;
          stripsHidden += shown == 0;  // the scrolling strips show through
        }
      }
  });
  headless::KeyDown(55, 'B');
  headless::KeyUp(57, 'B');
  int blitMode = -1, keyAfterB = -1, sceneAfterB = -1;
  At(56, [&] {
    blitMode = gExplosionBlitMode;
    keyAfterB = gKey;
    sceneAfterB = gScene;
  });
  std::vector<Start> starts;
  for (int i = 0; i < 4; ++i) {
    const int at = 60 + 30 * i;
    if (i > 0) At(at - 3, [] { ChangeScene(SceneLevelSelect, 1, 1); });
    At(at, [] {
      gScore = 1234, gLives = 3, gControlLocked = 1, gHighScore = 0;
      gDifficulty = gDifficultyExtra = -1;
    });
    headless::KeyDown(at, plat::kVkF1 + i);
    headless::KeyUp(at + 2, plat::kVkF1 + i);
    At(at + 1, [&] {
      starts.push_back({Now(), gKey, gDifficulty, gDifficultyExtra, gScore, gLives, gControlLocked,
                        gHighScore, gExplosionBlitMode});
    });
  }
  RunFrames(60 + 30 * 4);
  ASSERT_EQ(backKeyed, 0);
  EXPECT_GT(keyed, 10000);
  EXPECT_EQ(levelWrong, 0);
  EXPECT_EQ(stripsHidden, 0);
  EXPECT_EQ(blitMode, 1);
  EXPECT_EQ(keyAfterB, 'B');  // 'B' leaves the key as it is
  EXPECT_EQ(sceneAfterB, SceneLevelSelect);
  // A new game from a reset, the mode of the key, the high score from the file,
  // and stage 1 dissolving in over 26 frames; 'B' stays in force.
  const Change stage1{SceneStage1, 3, 26, 26};
  EXPECT_EQ(starts, (std::vector<Start>{{stage1, 0, 1, 0, 0, 777, 0, 98765432, 1},
                                        {stage1, 0, 2, 0, 0, 777, 0, 98765432, 1},
                                        {stage1, 0, 1, 1, 0, 777, 0, 98765432, 1},
                                        {stage1, 0, 2, 1, 0, 777, 0, 98765432, 1}}));
}

}  // namespace
