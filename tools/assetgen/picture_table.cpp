#include "tools/assetgen/art.h"
#include "tools/assetgen/pictures.h"

namespace assetgen {

const std::vector<Picture>& Pictures() {
  // Load order of the game; sizes cover every source rectangle its draw calls cut. The last
  // two (the ship pictures) are loaded when a game starts.
  static const std::vector<Picture> pictures = {
      {"ZBAK1B.BMP", 600, 60, DrawZbak1b},
      {"ZBAK2B.BMP", 640, 80, DrawZbak2b},
      {"ZBAK3B.BMP", 800, 80, DrawZbak3b},
      {"ZBAK4B.BMP", 800, 80, DrawZbak4b},
      {"ZBAK5B.BMP", 640, 80, DrawZbak5b},
      {"ZBAK6B.BMP", 320, 40, DrawZbak6b},
      {"BBAK1.BMP", 640, 160, DrawBbak1},
      {"GFBAK1.BMP", 480, 120, DrawGfbak1},
      {"MY.BMP", 80, 60, DrawMy},
      {"FBOM1.BMP", 80, 80, DrawFbom1},
      {"MYMY.BMP", 224, 80, DrawMymy},
      {"MYGOODN.BMP", 300, 100, DrawMygoodn},
      {"SUJI09.BMP", 200, 25, DrawSuji09},
      {"HAHEN.BMP", 60, 60, DrawHahen},
      {"MYLZ1.BMP", 60, 60, DrawMylz1},
      {"MYLZ2.BMP", 60, 60, DrawMylz2},
      {"MYLZ3.BMP", 60, 60, DrawMylz3},
      {"POWER.BMP", 60, 60, DrawPower},
      {"ZAK1.BMP", 60, 50, DrawZak1},
      {"ZAK2.BMP", 80, 100, DrawZak2},
      {"ZAK3.BMP", 100, 120, DrawZak3},
      {"ZAK4.BMP", 90, 70, DrawZak4},
      {"ZAK5.BMP", 60, 50, DrawZak5},
      {"ZAK7.BMP", 80, 60, DrawZak7},
      {"ZAK8.BMP", 90, 60, DrawZak8},
      {"ZAK9.BMP", 90, 60, DrawZak9},
      {"ZAK12.BMP", 500, 100, DrawZak12},
      {"ZAK50.BMP", 200, 160, DrawZak50},
      {"ZAK51.BMP", 270, 190, DrawZak51},
      {"ZAK52.BMP", 260, 200, DrawZak52},
      {"ZAK54.BMP", 200, 150, DrawZak54},
      {"ZAK53_1.BMP", 100, 100, DrawZak53_1},
      {"ZAK53_2.BMP", 100, 100, DrawZak53_2},
      {"ZAK53_3.BMP", 100, 100, DrawZak53_3},
      {"ZAK60.BMP", 240, 180, DrawZak60},
      {"VAL11.BMP", 16, 16, DrawVal11},
      {"VAL12.BMP", 16, 16, DrawVal12},
      {"VAL13.BMP", 16, 16, DrawVal13},
      {"VAL1.BMP", 256, 16, DrawVal1},
      {"VAL2.BMP", 256, 16, DrawVal2},
      {"VAL3.BMP", 256, 16, DrawVal3},
      {"BOSS1.BMP", 440, 360, DrawBoss1},
      {"BOSS2.BMP", 440, 380, DrawBoss2},
      {"BOSS3.BMP", 460, 380, DrawBoss3},
      {"VAL2014.BMP", 280, 20, DrawVal2014},
      {"VAL201.BMP", 200, 20, DrawVal201},
      {"VAL2024.BMP", 480, 20, DrawVal2024},
      {"VAL1624.BMP", 384, 16, DrawVal1624},
      {"HLB1.BMP", 600, 480, DrawHlb1},
      {"HLB11.BMP", 600, 480, DrawHlb11},
      {"HLBT1.BMP", 600, 180, DrawHlbt1},
      {"BLZ1.BMP", 60, 60, DrawBlz1},
      {"BLZ2.BMP", 60, 60, DrawBlz2},
      {"BLZ3.BMP", 60, 60, DrawBlz3},
      {"LZ1.BMP", 240, 20, DrawLz1},
      {"BLZS1.BMP", 60, 40, DrawBlzs1},
      {"BLZS2.BMP", 60, 40, DrawBlzs2},
      {"BLZS3.BMP", 60, 40, DrawBlzs3},
      {"BLZS10.BMP", 60, 60, DrawBlzs10},
      {"BLZS11.BMP", 60, 60, DrawBlzs11},
      {"BLZS12.BMP", 200, 20, DrawBlzs12},
      {"BSLZ2.BMP", 60, 120, DrawBslz2},
      {"BSLZ2_1.BMP", 60, 120, DrawBslz2_1},
      {"BSLZ2_2.BMP", 60, 120, DrawBslz2_2},
      {"BLZS2_1.BMP", 140, 40, DrawBlzs2_1},
      {"BLZS2_2.BMP", 140, 40, DrawBlzs2_2},
      {"BLZS2_3.BMP", 140, 40, DrawBlzs2_3},
      {"BLZBS2_5.BMP", 40, 200, DrawBlzbs2_5},
      {"BLZBS2_7.BMP", 40, 280, DrawBlzbs2_7},
      {"BACK1.BMP", 640, 478, DrawBack1},
      {"BACK1U.BMP", 640, 480, DrawBack1u},
      {"TITLE.BMP", 640, 480, DrawTitle},
      {"CG0.BMP", 60, 60, DrawCg0},
      {"ZEROG1.BMP", 440, 480, DrawZerog1},
      {"LEVEL.BMP", 640, 480, DrawLevel},
      {"CONTINU1.BMP", 200, 100, DrawContinu1},
      {"MYME1.BMP", 80, 60, DrawMyme1},
      {"MYME2.BMP", 80, 60, DrawMyme2},
  };
  return pictures;
}

RgbImage RenderPicture(const Picture& picture) {
  Canvas canvas(picture.width, picture.height);
  picture.draw(canvas);
  return Flatten(canvas);
}

}  // namespace assetgen
