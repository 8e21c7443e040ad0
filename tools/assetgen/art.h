// Drawing routines of every picture, grouped by family. Each draws onto a canvas of the
// picture's size (see the picture table); black stays transparent.
#pragma once

#include "tools/assetgen/canvas.h"

namespace assetgen {

// Player ship, its shots and items (art_player.cpp).
void DrawMy(Canvas& c);
void DrawMyme1(Canvas& c);
void DrawMyme2(Canvas& c);
void DrawMylz1(Canvas& c);
void DrawMylz2(Canvas& c);
void DrawMylz3(Canvas& c);
void DrawFbom1(Canvas& c);
void DrawPower(Canvas& c);

// Explosions, flames, sparks and fragments (art_explosions.cpp).
void DrawZbak1b(Canvas& c);
void DrawZbak2b(Canvas& c);
void DrawZbak3b(Canvas& c);
void DrawZbak4b(Canvas& c);
void DrawZbak5b(Canvas& c);
void DrawZbak6b(Canvas& c);
void DrawBbak1(Canvas& c);
void DrawGfbak1(Canvas& c);
void DrawHahen(Canvas& c);

// Small enemy craft (art_small_enemies.cpp).
void DrawZak1(Canvas& c);
void DrawZak2(Canvas& c);
void DrawZak3(Canvas& c);
void DrawZak4(Canvas& c);
void DrawZak5(Canvas& c);
void DrawZak7(Canvas& c);
void DrawZak8(Canvas& c);
void DrawZak9(Canvas& c);
void DrawZak12(Canvas& c);

// Large enemies and mid-bosses (art_large_enemies.cpp).
void DrawZak50(Canvas& c);
void DrawZak51(Canvas& c);
void DrawZak52(Canvas& c);
void DrawZak54(Canvas& c);
void DrawZak53_1(Canvas& c);
void DrawZak53_2(Canvas& c);
void DrawZak53_3(Canvas& c);
void DrawZak60(Canvas& c);

// Stage bosses (art_bosses.cpp).
void DrawBoss1(Canvas& c);
void DrawBoss2(Canvas& c);
void DrawBoss3(Canvas& c);

// Enemy bullets (art_bullets.cpp).
void DrawVal11(Canvas& c);
void DrawVal12(Canvas& c);
void DrawVal13(Canvas& c);
void DrawVal1(Canvas& c);
void DrawVal2(Canvas& c);
void DrawVal3(Canvas& c);
void DrawVal2014(Canvas& c);
void DrawVal201(Canvas& c);
void DrawVal2024(Canvas& c);
void DrawVal1624(Canvas& c);
void DrawBlzs1(Canvas& c);
void DrawBlzs2(Canvas& c);
void DrawBlzs3(Canvas& c);
void DrawBlzs10(Canvas& c);
void DrawBlzs11(Canvas& c);
void DrawBlzs2_1(Canvas& c);
void DrawBlzs2_2(Canvas& c);
void DrawBlzs2_3(Canvas& c);
void DrawBlzbs2_5(Canvas& c);
void DrawBlzbs2_7(Canvas& c);

// Beams, lasers and bars (art_beams.cpp).
void DrawHlb1(Canvas& c);
void DrawHlb11(Canvas& c);
void DrawHlbt1(Canvas& c);
void DrawLz1(Canvas& c);
void DrawBlzs12(Canvas& c);

// Hazard blocks (art_hazards.cpp).
void DrawBlz1(Canvas& c);
void DrawBlz2(Canvas& c);
void DrawBlz3(Canvas& c);
void DrawBslz2(Canvas& c);
void DrawBslz2_1(Canvas& c);
void DrawBslz2_2(Canvas& c);

// HUD sheet and score digits (art_hud.cpp).
void DrawMymy(Canvas& c);
void DrawSuji09(Canvas& c);

// Scrolling background layers (art_backgrounds.cpp).
void DrawBack1(Canvas& c);
void DrawBack1u(Canvas& c);

// Full screens, prompts and captions (art_screens.cpp).
void DrawTitle(Canvas& c);
void DrawCg0(Canvas& c);
void DrawZerog1(Canvas& c);
void DrawLevel(Canvas& c);
void DrawContinu1(Canvas& c);
void DrawMygoodn(Canvas& c);

}  // namespace assetgen
