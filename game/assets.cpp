// The start-up asset table: every picture and sound the game loads, in load order.
#include "game/assets.h"

#include <iterator>

#include "engine/draw/ko_draw.h"
#include "engine/game_hooks.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"

int gPicZbak1b, gPicZbak2b, gPicZbak3b, gPicZbak4b, gPicZbak5b, gPicZbak6b, gPicBbak1, gPicGfbak1,
    gPlayerSprite, gPicFbom1, gPicMymy, gPicMygoodn, gPicSuji09, gPicHahen, gPicMylz1, gPicMylz2,
    gPicMylz3, gPicPower, gPicZak1, gPicZak2, gPicZak3, gPicZak4, gPicZak5, gPicZak7, gPicZak8,
    gPicZak9, gPicZak12, gPicZak50, gPicZak51, gPicZak52, gPicZak54, gPicZak53_1, gPicZak53_2,
    gPicZak53_3, gPicZak60, gPicVal11, gPicVal12, gPicVal13, gPicVal1, gPicVal2, gPicVal3,
    gPicBoss1, gPicBoss2, gPicBoss3, gPicVal2014, gPicVal201, gPicVal2024, gPicVal1624, gPicHlb1,
    gPicHlb11, gPicHlbt1, gPicBlz1, gPicBlz2, gPicBlz3, gPicLz1, gPicBlzs1, gPicBlzs2, gPicBlzs3,
    gPicBlzs10, gPicBlzs11, gPicBlzs12, gPicBslz2, gPicBslz2_1, gPicBslz2_2, gPicBlzs2_1,
    gPicBlzs2_2, gPicBlzs2_3, gPicBlzbs2_5, gPicBlzbs2_7, gPicBack1, gPicBack1u, gPicTitle, gPicCg0,
    gPicZerog1, gPicLevel, gPicContinu1;
int gSndShot, gSndBom;

namespace {

struct PictureAsset {
  const char* file;
  int* object;
  int memoryKind;
};

// Loaded before the sounds.
constexpr PictureAsset kFirstPictures[] = {
    {"ZBAK1B.BMP", &gPicZbak1b, 1},     {"ZBAK2B.BMP", &gPicZbak2b, 1},
    {"ZBAK3B.BMP", &gPicZbak3b, 1},     {"ZBAK4B.BMP", &gPicZbak4b, 1},
    {"ZBAK5B.BMP", &gPicZbak5b, 1},     {"ZBAK6B.BMP", &gPicZbak6b, 1},
    {"BBAK1.BMP", &gPicBbak1, 1},       {"GFBAK1.BMP", &gPicGfbak1, 1},
    {"MY.BMP", &gPlayerSprite, 1},      {"FBOM1.BMP", &gPicFbom1, 1},
    {"MYMY.BMP", &gPicMymy, 1},         {"MYGOODN.BMP", &gPicMygoodn, 1},
    {"SUJI09.BMP", &gPicSuji09, 1},     {"HAHEN.BMP", &gPicHahen, 1},
    {"MYLZ1.BMP", &gPicMylz1, 1},       {"MYLZ2.BMP", &gPicMylz2, 1},
    {"MYLZ3.BMP", &gPicMylz3, 1},       {"POWER.BMP", &gPicPower, 1},
    {"ZAK1.BMP", &gPicZak1, 1},         {"ZAK2.BMP", &gPicZak2, 1},
    {"ZAK3.BMP", &gPicZak3, 1},         {"ZAK4.BMP", &gPicZak4, 1},
    {"ZAK5.BMP", &gPicZak5, 1},         {"ZAK7.BMP", &gPicZak7, 1},
    {"ZAK8.BMP", &gPicZak8, 1},         {"ZAK9.BMP", &gPicZak9, 1},
    {"ZAK12.BMP", &gPicZak12, 1},       {"ZAK50.BMP", &gPicZak50, 1},
    {"ZAK51.BMP", &gPicZak51, 1},       {"ZAK52.BMP", &gPicZak52, 1},
    {"ZAK54.BMP", &gPicZak54, 1},       {"ZAK53_1.BMP", &gPicZak53_1, 1},
    {"ZAK53_2.BMP", &gPicZak53_2, 1},   {"ZAK53_3.BMP", &gPicZak53_3, 1},
    {"ZAK60.BMP", &gPicZak60, 1},       {"VAL11.BMP", &gPicVal11, 1},
    {"VAL12.BMP", &gPicVal12, 1},       {"VAL13.BMP", &gPicVal13, 1},
    {"VAL1.BMP", &gPicVal1, 1},         {"VAL2.BMP", &gPicVal2, 1},
    {"VAL3.BMP", &gPicVal3, 1},         {"BOSS1.BMP", &gPicBoss1, 1},
    {"BOSS2.BMP", &gPicBoss2, 1},       {"BOSS3.BMP", &gPicBoss3, 1},
    {"VAL2014.BMP", &gPicVal2014, 1},   {"VAL201.BMP", &gPicVal201, 2},
    {"VAL2024.BMP", &gPicVal2024, 1},   {"VAL1624.BMP", &gPicVal1624, 1},
    {"HLB1.BMP", &gPicHlb1, 1},         {"HLB11.BMP", &gPicHlb11, 1},
    {"HLBT1.BMP", &gPicHlbt1, 1},       {"BLZ1.BMP", &gPicBlz1, 1},
    {"BLZ2.BMP", &gPicBlz2, 1},         {"BLZ3.BMP", &gPicBlz3, 1},
    {"LZ1.BMP", &gPicLz1, 1},           {"BLZS1.BMP", &gPicBlzs1, 1},
    {"BLZS2.BMP", &gPicBlzs2, 1},       {"BLZS3.BMP", &gPicBlzs3, 1},
    {"BLZS10.BMP", &gPicBlzs10, 1},     {"BLZS11.BMP", &gPicBlzs11, 1},
    {"BLZS12.BMP", &gPicBlzs12, 1},     {"BSLZ2.BMP", &gPicBslz2, 1},
    {"BSLZ2_1.BMP", &gPicBslz2_1, 1},   {"BSLZ2_2.BMP", &gPicBslz2_2, 1},
    {"BLZS2_1.BMP", &gPicBlzs2_1, 1},   {"BLZS2_2.BMP", &gPicBlzs2_2, 1},
    {"BLZS2_3.BMP", &gPicBlzs2_3, 1},   {"BLZBS2_5.BMP", &gPicBlzbs2_5, 1},
    {"BLZBS2_7.BMP", &gPicBlzbs2_7, 1},
};

// Loaded after the sounds.
constexpr PictureAsset kLastPictures[] = {
    {"BACK1.BMP", &gPicBack1, 2},       {"BACK1U.BMP", &gPicBack1u, 2},
    {"TITLE.BMP", &gPicTitle, 1},       {"CG0.BMP", &gPicCg0, 1},
    {"ZEROG1.BMP", &gPicZerog1, 1},     {"LEVEL.BMP", &gPicLevel, 1},
    {"CONTINU1.BMP", &gPicContinu1, 1},
};

void LoadPictures(const PictureAsset* first, const PictureAsset* last) {
  for (const PictureAsset* p = first; p != last; ++p)
    *p->object = koDraw::LoadObject(p->file, p->memoryKind);
}

}  // namespace

void LoadGameAssets() {
  koDraw::Screen(640, 480, 1);
  LoadPictures(std::begin(kFirstPictures), std::end(kFirstPictures));
  gSndShot = koSound::LoadObject("SHOT.WAV", 4);
  gSndBom = koSound::LoadObject("BOM.WAV", 7);
  LoadPictures(std::begin(kLastPictures), std::end(kLastPictures));
  gHighScore = 500;
  gScene = 1;
  gPrevScene = 0;
}
