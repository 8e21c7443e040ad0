// koDraw: the back surface, the numbered picture objects, blits, blends,
// lines, text, the frame present with its transitions, and the screenshot writer.
// Every surface is a 16-bit 5-6-5 pixel buffer in memory.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The runs of pixels other than the key in each row of a picture, which the
// keyed blit copies while skipping the rest. Kept for the pixels and key as
// they were when built; storage is reserved with the picture.
struct KeyRuns {
  std::vector<uint32_t> rowStart;    // height + 1 offsets into `ends`
  std::vector<uint16_t> ends;        // start and end column (exclusive) of each run
  int firstRow = 0, endRow = 0;      // the rows with runs lie in [firstRow, endRow)
  uint32_t builtAt = 0, seenAt = 0;  // the surface's write count when built, when first asked
  uint16_t key = 0;
  bool built = false, seen = false;
};

// A picture in memory: 5-6-5 pixels, rows `pitch` pixels apart. Pixels are
// written only through the writable Row(), which counts the writes so that
// the runs of the keyed blit know when they are stale.
struct Surface {
  int width = 0, height = 0, pitch = 0;
  std::vector<uint16_t> pixels;
  uint16_t colorKey = 0;  // the pixel value a keyed blit leaves out
  uint32_t writes = 0;
  mutable KeyRuns runs;

  uint16_t* Row(int y) {
    ++writes;
    return pixels.data() + static_cast<ptrdiff_t>(y) * pitch;
  }
  const uint16_t* Row(int y) const { return pixels.data() + static_cast<ptrdiff_t>(y) * pitch; }
};

struct DrawRect {
  int left, top, right, bottom;  // right and bottom exclusive
};

struct DrawPoint {
  int32_t x, y;
};

struct PixelChannel {
  uint32_t mask;
  int16_t shift;  // lowest set bit of mask
  uint32_t max;   // mask >> shift: 31 or 63
  int16_t place;  // shift that puts a 5-bit value in place
};

struct PixelFormat {
  PixelChannel red, green, blue;
  uint32_t halfMask;  // every channel's top bits but one: halves two pixels for a sum
  uint32_t white;     // every channel full
};

// One picture object. A record is taken while its name is not empty, with
// or without a surface.
constexpr int kDrawObjectCount = 1024;
constexpr int kObjectNameMax = 30;  // code points
struct koDrawObject {
  std::unique_ptr<Surface> surface;
  char name[4 * kObjectNameMax + 4];  // UTF-8, NUL-terminated
  uint32_t fromPack;
  uint32_t memoryKind;
  uint32_t colorKey;  // COLORREF 0x00BBGGRR; kCornerKey = the picture's top-left pixel
  uint16_t width, height;
};

constexpr int kObjectBuffer = 0;      // scratch; what a never-loaded picture draws
constexpr int kObjectScreen = 1;      // the captured screen of the transitions
constexpr int kObjectFont = 2;        // text
constexpr int kObjectFontBuffer = 3;  // text
constexpr uint32_t kCornerKey = 0xFFFFFFFF;

// --- Display state ---
extern std::unique_ptr<Surface> gBackSurface;
extern DrawRect gClipRect;
extern int gScreenWidth, gScreenHeight;
extern int gCanStretch;
// The depths the screen tries after gDisplayDepth (0: none).
extern int gFallbackDepth1, gFallbackDepth2;
// The back surface as a drawing context while GetBackDC holds it; null otherwise.
extern Surface* gBackDC;
extern DrawRect gPresentSource, gPresentTarget;
extern PixelFormat gPixelFormat;
extern koDrawObject gDrawObjects[kDrawObjectCount];
extern uint32_t gColorKey;  // key of every object loaded from now on
extern int gUseCornerKey;   // 1: each new object is keyed on its own top-left pixel

// --- Picture pack ---
extern std::string gPackPath;  // program directory + pack name; "" until SetPack

// --- Tunnel map: for each point of the built area, the texel it shows ---
struct TunnelPoint {
  int16_t u, v;  // texture column and row
};
constexpr int kTunnelMapPoints = 640 * 480;
extern TunnelPoint gTunnelMap[kTunnelMapPoints];
extern int32_t gTunnelTextureWidth, gTunnelTextureHeight, gTunnelMapWidth, gTunnelMapHeight;

// --- Lookup tables (5-bit channel values) ---
extern int32_t gSineTable[450];
extern uint8_t gRgbSplitTable[65536][3];
extern uint16_t gCrossfadeTable[3][32][32][32];
extern uint16_t gAdditiveTable[3][32][32][32];
extern uint16_t gSubtractiveTable[3][32][32];
extern uint16_t gGreyTable[94];
extern uint8_t gMeltRandomTable[10000];

// --- Present, transitions, pause screen, clip transition, fps meter ---
extern int gVSync;
extern int gTransitionTileObject;
extern int gPausePicture, gPauseTile, gPausePictureHeight;
extern float gPauseScroll, gPauseTileX, gPauseTileY;
extern int gClipTransitionState;  // 0 idle, 1 opening, 2 closing, -1 closed
extern DrawRect gClipTransitionSaved;
extern int gClipTransitionDirection, gClipTransitionPattern, gClipTransitionBand;
extern float gClipTransitionSpeed;
extern int gClipTransitionOpened, gClipTransitionClosed;
extern int gFpsFrames;
extern float gFps, gFpsMax, gFpsMin;
extern char gFpsText[64];  // the meter's line as last formatted

// --- Fonts and text ---
constexpr int kFontListSize = 200;
constexpr int kFaceNameMax = 31;  // code points
constexpr uint8_t kJapaneseCharset = 128, kSymbolCharset = 2, kOtherCharset = 0;
struct FontListEntry {
  char name[4 * kFaceNameMax + 1];  // UTF-8; "" in an empty entry
  int32_t kind;                     // 1 Japanese face, 3 symbol face, 2 any other; -1 empty
  uint8_t charset;
};
// A font as the text operations describe it.
struct TextLogFont {
  int32_t height;      // pixels: above 0 the cell, below 0 the em square, 0 a default
  int32_t escapement;  // tenths of a degree, counter-clockwise
  int32_t weight;      // 400 normal, 700 bold, 0 the face's own
  uint8_t italic, underline, charset;
  char faceName[4 * kFaceNameMax + 1];
};
// Where text goes: a surface with a font selected into it, and its colours.
constexpr int kTextToNone = -1;  // no font selected
constexpr int kTextToBack = -2;  // the back surface; otherwise an object number
struct TextDC {
  int target;
  TextLogFont font;
  uint32_t color, background;  // COLORREF
  int opaque;                  // 1: the background fills each character cell
};
constexpr int kCharRectCount = 3200;
constexpr int kLineBreakCount = 15;

extern FontListEntry gFontList[kFontListSize];
extern int gFontListCount;
extern TextLogFont gTextLogFont;
extern int gTextHeight;  // the height asked of the current font
extern TextDC gTextDC;
extern uint32_t gTextColor, gTextShadowColor;
extern int gTextBlitNow;  // 1: the text renderers blit their sprite when done
// Entry 0 is the box of the last rendering; 1 to gCharRectCount - 1 its characters.
extern DrawRect gCharRects[kCharRectCount];
extern int gCharRectCount;
extern int gRevealCount;
extern float gRevealTimer;
// Characters that may hang past the right margin instead of starting a line.
extern const char* const gLineBreakTable[kLineBreakCount];

namespace koDraw {

// Screen set-up and display device.
int Screen(int width, int height, int mode);
void SetClip(int left, int top, int right, int bottom);
// Stored for a later Screen, which fails unless one of the depths is 16.
void SetDepth(int depth, int fallback1, int fallback2);
void Restore();
void Release();
// Fills gPixelFormat from three channel masks; 0 when a mask is 0.
int AnalysePixelFormat(uint32_t redMask, uint32_t greenMask, uint32_t blueMask);
void BuildSineTable();
// The blend tables in their build order (the last one draws 10000 random numbers).
void BuildBlendTables();

// The one conversion of a COLORREF (or 8-bit red, green, blue) to 5-6-5: truncation.
constexpr uint16_t Rgb565(uint32_t r, uint32_t g, uint32_t b) {
  return static_cast<uint16_t>(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | ((b & 0xF8) >> 3));
}
constexpr uint16_t ColorRefTo565(uint32_t colour) {
  return Rgb565(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Picture objects and BMP loading.
// The surface of object `number`; null for a bad number or a record without one.
inline Surface* ObjectSurface(int number) {
  if (number < 0 || number >= kDrawObjectCount) return nullptr;
  return gDrawObjects[number].surface.get();
}
std::unique_ptr<Surface> MakeSurface(int width, int height);
int LoadObject(const char* name, int kind);
int CreateObject(int width, int height, int kind);
void ReleaseObject(int number);
int SwapObject(const char* name, int number, int kind);
void SetColorKey(uint32_t colour);
void UseCornerColorKey();
void SetObjectColorKey(int number, uint32_t colour);
void SetObjectCornerKey(int number);
void CopyColorKey(int destination, int source);
// Reads and decodes program directory + name into a surface of the picture's
// size, through CopyBitmap; null when that gives no picture.
std::unique_ptr<Surface> LoadBitmapSurface(const char* name, uint16_t& width, uint16_t& height);
// The loaders' copy of a decoded picture: its rectangle from (x, y), dx x dy
// pixels (0 takes the picture's own width or height), stretched opaque over
// the whole surface, nearest pixel. kCopyBitmapFailed without surface or picture.
struct BmpPicture;
constexpr int kCopyBitmapOk = 0;
constexpr int kCopyBitmapFailed = -1;
int CopyBitmap(Surface* surface, const BmpPicture* bitmap, int x, int y, int dx, int dy);
uint16_t ColorMatch(const Surface& surface, uint32_t colour);
void SetSurfaceColorKey(Surface& surface, uint32_t colour);

// Blits, fills and clipping.
void Blit(int x, int y, int object, int left, int top, int right, int bottom);
void BlitOpaque(int x, int y, int object, int left, int top, int right, int bottom);
void BlitToObject(int destination, int x, int y, int object, int left, int top, int right,
                  int bottom);
void BlitOpaqueToObject(int destination, int x, int y, int object, int left, int top, int right,
                        int bottom);
void BlitStretch(int x, int y, int object, int left, int top, int right, int bottom, int width,
                 int height);
void BlitStretchOpaque(int x, int y, int object, int left, int top, int right, int bottom,
                       int width, int height);
int BlitMirror(int x, int y, int mode, int object, int left, int top, int right, int bottom);
void ClearScreen();
void ClearObject(int object);
void FillBlack(int left, int top, int right, int bottom);
void FillScreenWhite();
void FillWhite(int left, int top, int right, int bottom);
void FillRect(int left, int top, int right, int bottom, uint32_t colour);
void DrawFrame(int left, int top, int right, int bottom);
int HalfToneRect(int left, int top, int right, int bottom, uint16_t colour);

// Blend blits (the value 0 is transparent, whatever the object's key).
int BlitHalf(int x, int y, int object, int left, int top, int right, int bottom);
int BlitAdd(int x, int y, int object, int left, int top, int right, int bottom);
int BlitAddLevel(int x, int y, float level, int object, int left, int top, int right, int bottom);

// Neighbourhood, ripple, turned and tunnel blits (the value 0 is transparent
// unless said; 1 when drawn or nothing to draw, 0 without surfaces).
int BlitSoftEdge(int x, int y, int object, int left, int top, int right, int bottom);
int BlitBlur(int x, int y, int size, int object, int left, int top, int right, int bottom);
// Copies a grid of every step-th sample, no key, each to the one pixel the
// ripple, shear and scale move it to.
int BlitRipple(int x, int y, int amplitude, int frequency, int step, float scale, float shear,
               int object, int left, int top, int right, int bottom);
// Turned by angle degrees about the centre of the destination x1, y1, x2, y2,
// the picture centred in it; tiled members repeat it over the whole rectangle.
int BlitSpin(int x1, int y1, int x2, int y2, int angle, int object, int left, int top, int right,
             int bottom);
int BlitSpinTiled(int x1, int y1, int x2, int y2, int angle, int object, int left, int top,
                  int right, int bottom);
int BlitSpinZoom(int x1, int y1, int x2, int y2, int angle, float zoom, int object, int left,
                 int top, int right, int bottom);
int BlitSpinZoomTiled(int x1, int y1, int x2, int y2, int angle, float zoom, int object, int left,
                      int top, int right, int bottom);
int BlitSpinRampTint(int x1, int y1, int x2, int y2, int angle, float zoomX, float zoomXStep,
                     float zoomY, float zoomYStep, float redFactor, float greenFactor,
                     float blueFactor, int object, int left, int top, int right, int bottom);
// Builds the tunnel map of a width x height area (at most 640 x 480 points);
// -1 takes the defaults of the centre and the view divisor.
void BuildTunnelMap(int textureWidth, int textureHeight, int width, int height, int centreX,
                    int centreY, int viewDivisor, int motion, int shape, int depthMode);
// Draws the built area at (x, y), the texture turned by du and moved in depth by dv; no key.
int BlitTunnel(int x, int y, int du, int dv, int object);

// Present, transitions and screen capture.
void Present();
void CaptureScreen(int object, int left, int top, int right, int bottom);
void SetVSync(int flag);
void StartTransition();
void StartTransitionBack();
void SetTransitionTiles(const char* file);
void SetPausePicture(const char* picture, const char* tile, int height);
void TogglePause();
int StartClipTransition(int direction, int pattern, float speed, int band);
int StepClipTransition();
void EndClipTransition();
// Updates the frames-per-second meter and draws its line, gFpsText, at (0, 0).
void ShowFps();
// White on navy in the standard Gothic at 12 pixels. Its font description,
// height and colours stay behind, and no font is left selected.
void DebugText(int x, int y, const char* text);
// The same with printf formatting, cut to 255 bytes on a character boundary.
void DebugPrint(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Lines and shapes (COLORREF colours; cut to the surface, not to gClipRect).
// The back surface's drawing context, held from GetBackDC to ReleaseBackDC.
void GetBackDC();
void ReleaseBackDC();
void DrawLine(int x1, int y1, int x2, int y2, uint32_t colour, int width);
void SetPixel(int x, int y, uint32_t colour);
void GetPixelRGB(int x, int y, int* red, int* green, int* blue);
void DrawRectangle(int left, int top, int right, int bottom, uint32_t fill, uint32_t pen,
                   int penWidth);
void DrawBezier(const DrawPoint* points, int count, uint32_t colour, int width);
void DrawPolygon(const DrawPoint* points, int count, uint32_t colour, uint32_t background,
                 int penWidth, int mode);
void InvertRectangle(int left, int top, int right, int bottom);

// Fonts and text (UTF-8 text, COLORREF colours). A font is selected into the
// back surface (or, for the smooth renderer, into ObjectFontBuffer) until its
// restore. Text is cut to its surface, not to gClipRect.
void EnumFontList();
void FreeFontList();
void SelectTextFont(int face, int height, int angle, int weight, uint8_t italic, uint8_t underline);
void SelectTextFontByName(const char* name, int height, int angle, int weight, uint8_t italic,
                          uint8_t underline);
void RestoreTextFont();
void SetTextColors(uint32_t text, uint32_t background, int transparent);
void DrawTextAt(int x, int y, const char* text);
// Word-wrapped; returns the text's height, or the alignment when it is not 0 to 2.
int DrawTextInRect(int left, int top, int right, int bottom, const char* text, int alignment);
int MeasureTextInRect(int left, int top, int right, int bottom, const char* text);
// Flags: low byte extra line spacing; 0x100 shadow, 0x200 one pixel bolder
// across, 0x400 one pixel bolder down.
void RenderTextSprite(int left, int top, int right, int bottom, const char* text, int flags);
void RenderTextSpriteDeferred(int left, int top, int right, int bottom, const char* text,
                              int flags);
void SelectBufferFont(int face, int size);
void SelectBufferFontByName(const char* name, int size);
void RestoreBufferFont();
void RenderTextSpriteSmooth(int left, int top, int right, int bottom, const char* text, int flags);
void RenderTextSpriteSmoothDeferred(int left, int top, int right, int bottom, const char* text,
                                    int flags);
int ShrinkTextLine(int x, int y, int left, int top, int right, int bottom);
// Shows one more character per interval; 1 when all are shown.
int RevealText(float interval);

// Writes the top-left width x height of the back surface as a 24-bit BMP.
int SaveSurfaceBmp(const char* name, int width, int height);

// Picture packs: named pictures one after another in one file. Names are
// upper case; pixels X1R5G5B5, where 0 is black and nothing else is 0.
void SetPack(const char* name);
int LoadPack(const char* name, int kind);
int SwapPack(const char* name, int number, int kind);
int Convert(const char* packName, const char* folder, int fresh);
void ConvertOne(const char* packName, const char* pictureName);

}  // namespace koDraw

// Edge-stretch, refraction and glow blits (the value 0 is transparent).
extern int32_t gGlowRandomPos;  // the glow's place in gMeltRandomTable
namespace koDraw {
// Direction 0 right, 1 left, 2 down, 3 up; edge is the picture column or row repeated.
int BlitEdgeStretch(int x, int y, int direction, int edge, int object, int left, int top, int right,
                    int bottom);
int BlitRefract(int x, int y, float level, int object, int left, int top, int right, int bottom);
// Directions: 0x40 up, 0x20 up-left, 0x80 up-right, 0x02 down, 0x01 down-left,
// 0x04 down-right, 0x08 left, 0x10 right.
int BlitGlow(int x, int y, int redShift, int greenShift, int blueShift, int directions, int copy,
             int object, int left, int top, int right, int bottom);
}  // namespace koDraw

// Screen-area effects on the back surface (x, y, width, height the area).
extern int32_t gMeltRun, gMeltRandomPos;          // Melt's run and place in gMeltRandomTable
extern int32_t gMeltFadeRun, gMeltFadeRandomPos;  // MeltFade's own pair
extern int32_t gNoiseRandomPos, gChannelNoiseRandomPos;
namespace koDraw {
// The melts read the row below the area too.
int Melt(int x, int y, int width, int height);
int MeltFade(int redFade, int greenFade, int blueFade, int x, int y, int width, int height);
int Blur(int x, int y, int width, int height);
int BlurFade(int redFade, int greenFade, int blueFade, int x, int y, int width, int height);
int AddNoise(int shift, int x, int y, int width, int height);
int AddChannelNoise(int redOn, int greenOn, int blueOn, int shift, int x, int y, int width,
                    int height);
int MosaicCircle(int x, int y, int radius, int step);
// Mode not 0 fills only part of each enlarged block; ObjectBuffer keeps the copy.
int Magnify2(int x, int y, int width, int height, int mode);
int Magnify4(int x, int y, int width, int height, int mode);
}  // namespace koDraw

// --- Row-effect blits: each source row through Blit (BlitRoll: BlitOpaque) ---
// Phases and offsets of the animated ones, advanced by speed x gFrameScale
// per call and shared by every call of the same effect.
extern float gWavePhase;  // degrees
extern int gWaveSign;     // +1 or -1, flipped per row in the alternating wave
extern float gTileOffsetX, gTileOffsetY;
extern float gScrollWavePhase, gScrollWaveOffset;
extern float gBandWavePhase, gBandScroll;
extern float gRollPhase;

namespace koDraw {
void BlitWave(int x, int y, int amplitude, int divisor, float speed, int object, int left, int top,
              int right, int bottom, int alternate);
void DrawTiledBackground(float speedX, float speedY, int object, int left, int top, int right,
                         int bottom);
void BlitWaveScroll(int x, int y, int amplitude, int divisor, float waveSpeed, float scrollSpeed,
                    int object, int left, int top, int right, int bottom);
void BlitWaveBand(int firstRow, int endRow, int amplitude, int divisor, float waveSpeed,
                  float scrollSpeed, int object, int left, int top, int right, int bottom);
void BlitRowRepeat(int x, int y, int step, int object, int left, int top, int right, int bottom);
void BlitRowSkip(int x, int y, int step, int object, int left, int top, int right, int bottom);
void BlitRowJitter(int x, int y, int jitter, int object, int left, int top, int right, int bottom);
void BlitRoll(int x, int y, int direction, float speed, int object, int left, int top, int right,
              int bottom);
}  // namespace koDraw

// --- Channel-arithmetic blits (value 0 transparent; weights held from 0 to 1) ---
// 1 when drawn or nothing to draw, 0 when the picture or back surface is missing.
namespace koDraw {
int BlitAlpha(int x, int y, float alpha, int object, int left, int top, int right, int bottom);
int BlitAlphaRGB(int x, int y, float alphaRed, float alphaGreen, float alphaBlue, int object,
                 int left, int top, int right, int bottom);
// The source grows 1/32 more opaque every `every` columns (rows when
// vertical) beyond column (row) `start`, counted from the first drawn one.
int BlitAlphaGradient(int x, int y, float alphaRed, float alphaGreen, float alphaBlue, int vertical,
                      uint16_t start, int every, int object, int left, int top, int right,
                      int bottom);
int BlitBrightness(int x, int y, float factor, int object, int left, int top, int right,
                   int bottom);
int BlitBrightnessRGB(int x, int y, float factorRed, float factorGreen, float factorBlue,
                      int object, int left, int top, int right, int bottom);
int BlitMaskChannels(int x, int y, int keepRed, int keepGreen, int keepBlue, int object, int left,
                     int top, int right, int bottom);
}  // namespace koDraw

// --- Table blend blits (value 0 transparent; levels 0..31, held there) ---
// A larger level shows more of the source. 1 when drawn or nothing to draw,
// 0 when the picture or back surface is missing.
namespace koDraw {
int BlitFade(int x, int y, int level, int object, int left, int top, int right, int bottom);
int BlitFadeRGB(int x, int y, int levelRed, int levelGreen, int levelBlue, int object, int left,
                int top, int right, int bottom);
// One table level more source every `every` columns (rows when vertical) beyond `start`.
int BlitFadeGradient(int x, int y, int levelRed, int levelGreen, int levelBlue, int vertical,
                     uint16_t start, int every, int object, int left, int top, int right,
                     int bottom);
// Darkens the background by the source's red value.
int BlitShadow(int x, int y, int object, int left, int top, int right, int bottom);
int BlitDarken(int x, int y, int level, int object, int left, int top, int right, int bottom);
int BlitDarkenRGB(int x, int y, int levelRed, int levelGreen, int levelBlue, int object, int left,
                  int top, int right, int bottom);
int BlitGrey(int x, int y, int object, int left, int top, int right, int bottom);
}  // namespace koDraw
