// Picture and sound objects of the game, one global per file.
#pragma once

// Picture object numbers, in load order.
extern int gPicZbak1b, gPicZbak2b, gPicZbak3b, gPicZbak4b, gPicZbak5b, gPicZbak6b, gPicBbak1,
    gPicGfbak1, gPlayerSprite, gPicFbom1, gPicMymy, gPicMygoodn, gPicSuji09, gPicHahen, gPicMylz1,
    gPicMylz2, gPicMylz3, gPicPower, gPicZak1, gPicZak2, gPicZak3, gPicZak4, gPicZak5, gPicZak7,
    gPicZak8, gPicZak9, gPicZak12, gPicZak50, gPicZak51, gPicZak52, gPicZak54, gPicZak53_1,
    gPicZak53_2, gPicZak53_3, gPicZak60, gPicVal11, gPicVal12, gPicVal13, gPicVal1, gPicVal2,
    gPicVal3, gPicBoss1, gPicBoss2, gPicBoss3, gPicVal2014, gPicVal201, gPicVal2024, gPicVal1624,
    gPicHlb1, gPicHlb11, gPicHlbt1, gPicBlz1, gPicBlz2, gPicBlz3, gPicLz1, gPicBlzs1, gPicBlzs2,
    gPicBlzs3, gPicBlzs10, gPicBlzs11, gPicBlzs12, gPicBslz2, gPicBslz2_1, gPicBslz2_2, gPicBlzs2_1,
    gPicBlzs2_2, gPicBlzs2_3, gPicBlzbs2_5, gPicBlzbs2_7, gPicBack1, gPicBack1u, gPicTitle, gPicCg0,
    gPicZerog1, gPicLevel, gPicContinu1;

// Sound object numbers.
extern int gSndShot, gSndBom;

// Opens the screen, loads every picture and sound and selects the title.
void LoadGameAssets();
