// The files the game loads from its program directory, with the picture sizes its draw calls
// need, and where the tests find them.
#pragma once

#include <filesystem>
#include <vector>

namespace assettest {

struct PictureEntry {
  const char* name;
  int width, height;
};

inline const std::vector<PictureEntry> kPictures = {
    {"ZBAK1B.BMP", 600, 60},    {"ZBAK2B.BMP", 640, 80},   {"ZBAK3B.BMP", 800, 80},
    {"ZBAK4B.BMP", 800, 80},    {"ZBAK5B.BMP", 640, 80},   {"ZBAK6B.BMP", 320, 40},
    {"BBAK1.BMP", 640, 160},    {"GFBAK1.BMP", 480, 120},  {"MY.BMP", 80, 60},
    {"FBOM1.BMP", 80, 80},      {"MYMY.BMP", 224, 80},     {"MYGOODN.BMP", 300, 100},
    {"SUJI09.BMP", 200, 25},    {"HAHEN.BMP", 60, 60},     {"MYLZ1.BMP", 60, 60},
    {"MYLZ2.BMP", 60, 60},      {"MYLZ3.BMP", 60, 60},     {"POWER.BMP", 60, 60},
    {"ZAK1.BMP", 60, 50},       {"ZAK2.BMP", 80, 100},     {"ZAK3.BMP", 100, 120},
    {"ZAK4.BMP", 90, 70},       {"ZAK5.BMP", 60, 50},      {"ZAK7.BMP", 80, 60},
    {"ZAK8.BMP", 90, 60},       {"ZAK9.BMP", 90, 60},      {"ZAK12.BMP", 500, 100},
    {"ZAK50.BMP", 200, 160},    {"ZAK51.BMP", 270, 190},   {"ZAK52.BMP", 260, 200},
    {"ZAK54.BMP", 200, 150},    {"ZAK53_1.BMP", 100, 100}, {"ZAK53_2.BMP", 100, 100},
    {"ZAK53_3.BMP", 100, 100},  {"ZAK60.BMP", 240, 180},   {"VAL11.BMP", 16, 16},
    {"VAL12.BMP", 16, 16},      {"VAL13.BMP", 16, 16},     {"VAL1.BMP", 256, 16},
    {"VAL2.BMP", 256, 16},      {"VAL3.BMP", 256, 16},     {"BOSS1.BMP", 440, 360},
    {"BOSS2.BMP", 440, 380},    {"BOSS3.BMP", 460, 380},   {"VAL2014.BMP", 280, 20},
    {"VAL201.BMP", 200, 20},    {"VAL2024.BMP", 480, 20},  {"VAL1624.BMP", 384, 16},
    {"HLB1.BMP", 600, 480},     {"HLB11.BMP", 600, 480},   {"HLBT1.BMP", 600, 180},
    {"BLZ1.BMP", 60, 60},       {"BLZ2.BMP", 60, 60},      {"BLZ3.BMP", 60, 60},
    {"LZ1.BMP", 240, 20},       {"BLZS1.BMP", 60, 40},     {"BLZS2.BMP", 60, 40},
    {"BLZS3.BMP", 60, 40},      {"BLZS10.BMP", 60, 60},    {"BLZS11.BMP", 60, 60},
    {"BLZS12.BMP", 200, 20},    {"BSLZ2.BMP", 60, 120},    {"BSLZ2_1.BMP", 60, 120},
    {"BSLZ2_2.BMP", 60, 120},   {"BLZS2_1.BMP", 140, 40},  {"BLZS2_2.BMP", 140, 40},
    {"BLZS2_3.BMP", 140, 40},   {"BLZBS2_5.BMP", 40, 200}, {"BLZBS2_7.BMP", 40, 280},
    {"BACK1.BMP", 640, 478},    {"BACK1U.BMP", 640, 480},  {"TITLE.BMP", 640, 480},
    {"CG0.BMP", 60, 60},        {"ZEROG1.BMP", 440, 480},  {"LEVEL.BMP", 640, 480},
    {"CONTINU1.BMP", 200, 100}, {"MYME1.BMP", 80, 60},     {"MYME2.BMP", 80, 60},
};

inline const std::vector<const char*> kSounds = {"SHOT.WAV", "BOM.WAV"};

// Songs by scene: stages 1 to 7, then the ending.
inline const std::vector<const char*> kSongs = {"XF1.MID",  "MBGM13.MID", "CFGM1.MID",
                                                "BRM4.MID", "BRM5.MID",   "BRM6.MID",
                                                "BRM7.MID", "MBGM14.MID"};

// The program directory the build fills, the generator, and a scratch folder for its runs.
inline const std::filesystem::path kAssetDir = ASSET_DIR;
inline const std::filesystem::path kGenerator = ASSETGEN;
inline const std::filesystem::path kScratchDir = SCRATCH_DIR;

}  // namespace assettest
