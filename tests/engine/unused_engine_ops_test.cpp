// Engine operations that the game never calls: keying an object on its corner
// colour, the transition tile strip, the buffer font chosen by name, the
// deferred smoothed sprite and a system sound played to its end.
#include <algorithm>

#include "engine/sound/ko_sound.h"
#include "platform/audio.h"
#include "tests/engine/sound_fixture.h"
#include "tests/engine/text_fixture.h"

namespace {

using CornerKeyTest = DrawTest;

// The object's top-left colour becomes its key: that colour no longer draws,
// the black that was the key before now does.
TEST_F(CornerKeyTest, TheCornerColourBecomesTheObjectsKey) {
  const int n = MakeObject(3, 1, [](int x, int) { return x == 0 ? 0x1234 : x == 1 ? 0 : 0x4321; });
  koDraw::FillRect(0, 0, 640, 480, 0x0841);
  koDraw::SetObjectCornerKey(n);
  EXPECT_EQ(gDrawObjects[n].colorKey, kCornerKey);
  koDraw::Blit(10, 10, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(10, 10, 13), (std::vector<uint16_t>{0x0841, 0, 0x4321}));
}

// The tile strip loads keyed on black, whatever key was chosen before.
TEST_F(CornerKeyTest, TransitionTilesLoadKeyedOnBlack) {
  WriteFile("tiles.bmp", Bmp24(640, 48, [](int x, int) { return x < 64 ? 0u : 0x00FF00u; }));
  koDraw::SetColorKey(0x00FF00);
  koDraw::SetTransitionTiles("tiles.bmp");
  const int n = gTransitionTileObject;
  ASSERT_GT(n, 0);
  EXPECT_EQ(gDrawObjects[n].colorKey, 0u);
  const Surface* s = koDraw::ObjectSurface(n);
  EXPECT_TRUE(s->width == 640 && s->height == 48);
  koDraw::FillRect(0, 0, 640, 480, 0x0841);
  koDraw::Blit(0, 0, n, 0, 0, 640, 48);
  EXPECT_EQ(Back(10, 10), 0x0841);  // black is the key
  EXPECT_NE(Back(100, 10), 0x0841);
}

using BufferFontTest = TextTest;

// Choosing the buffer font by a standard face's name draws what choosing it
// by number draws; the deferred sprite draws nothing until it is shown.
TEST_F(BufferFontTest, ByNameMatchesByNumberAndTheDeferredSpriteWaits) {
  koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
  koDraw::SelectBufferFont(1, 12);
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢字AB", 0);
  const std::vector<uint16_t> byNumber = gBackSurface->pixels;
  koDraw::RestoreBufferFont();
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::SelectBufferFontByName("標準ゴシック", 12);
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢字AB", 0);
  EXPECT_EQ(gBackSurface->pixels, byNumber);
  EXPECT_NE(std::count(byNumber.begin(), byNumber.end(), kBg), 640 * 480);
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::RenderTextSpriteSmoothDeferred(100, 50, 400, 300, "漢字AB", 0);
  EXPECT_EQ(std::count(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), kBg), 640 * 480);
  EXPECT_EQ(gTextBlitNow, 1);  // only that one sprite waits
  koDraw::RestoreBufferFont();
}

using SystemSoundTest = SoundTest;

// The system sound plays to its end while the objects are set aside; they
// play again afterwards. A file that cannot be played sounds the beep.
TEST_F(SystemSoundTest, PlaysToItsEndThenTheObjectsComeBack) {
  Put("shot.wav", soundtest::Wave(1, 44100, 16, soundtest::Pcm16(soundtest::Ramp(4410, 0, 5))));
  Put("chime.wav",
      soundtest::Wave(1, 44100, 16, soundtest::Pcm16(soundtest::Ramp(22050, -20000, 1))));
  const int shot = koSound::LoadObject("shot.wav", 1);
  ASSERT_GE(shot, 0);
  const uint32_t before = headless::Now();
  koSound::PlaySystemSound(dir_ + "chime.wav");
  EXPECT_GE(headless::Now() - before, 500u);  // half a second of sound
  EXPECT_EQ(headless::BeepCount(), 0);
  koSound::Play(shot, -1);
  const std::vector<int16_t> mix = soundtest::Render(2000);
  EXPECT_NE(std::count(mix.begin(), mix.end(), int16_t{0}), static_cast<long>(mix.size()));
  koSound::PlaySystemSound(dir_ + "missing.wav");
  EXPECT_EQ(headless::BeepCount(), 1);
}

}  // namespace
