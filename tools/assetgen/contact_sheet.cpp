#include "tools/assetgen/contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tools/assetgen/pictures.h"
#include "tools/assetgen/pixel_font.h"

namespace assetgen {
namespace {

constexpr int kSheetWidth = 1980;
constexpr int kGap = 12;
constexpr int kTextScale = 2;
constexpr int kLabelHeight = kTextScale * kPixelGlyphHeight + 6;
constexpr uint8_t kBackground[3] = {64, 66, 78};

struct Placement {
  int x, y;
};

// Copies the painted pixels of src (opaque where painted) into the sheet at (x, y).
void Paste(RgbImage& sheet, const RgbImage& src, int x, int y, bool skip_black) {
  for (int py = 0; py < src.height; ++py)
    for (int px = 0; px < src.width; ++px) {
      const uint8_t* c = &src.rgb[(static_cast<size_t>(py) * src.width + px) * 3];
      if (skip_black && c[0] == 0 && c[1] == 0 && c[2] == 0) continue;
      std::copy(c, c + 3, &sheet.rgb[(static_cast<size_t>(y + py) * sheet.width + x + px) * 3]);
    }
}

std::string Label(const Picture& p) {
  return std::string(p.name) + " " + std::to_string(p.width) + "X" + std::to_string(p.height);
}

}  // namespace

RgbImage RenderContactSheet() {
  const std::vector<Picture>& pictures = Pictures();
  // Shelf packing in load order: left to right, a new shelf when the row is full.
  std::vector<Placement> at;
  int x = kGap, y = kGap, shelf = 0;
  for (const Picture& p : pictures) {
    const int w = std::max(p.width, PixelTextWidth(Label(p), kTextScale));
    if (x + w + kGap > kSheetWidth) x = kGap, y += shelf + kGap, shelf = 0;
    at.push_back({x, y});
    x += w + kGap;
    shelf = std::max(shelf, p.height + kLabelHeight);
  }
  RgbImage sheet{kSheetWidth, y + shelf + kGap, {}};
  for (size_t i = 0; i < static_cast<size_t>(sheet.width) * sheet.height; ++i)
    sheet.rgb.insert(sheet.rgb.end(), kBackground, kBackground + 3);
  for (size_t i = 0; i < pictures.size(); ++i) {
    const Picture& p = pictures[i];
    const std::string label = Label(p);
    Canvas text(PixelTextWidth(label, kTextScale), kTextScale * kPixelGlyphHeight);
    DrawPixelText(text, 0, 0, label, {235, 235, 240}, kTextScale);
    Paste(sheet, Flatten(text), at[i].x, at[i].y, true);
    // Each picture over black, as the game shows it over an empty screen.
    Paste(sheet, RenderPicture(p), at[i].x, at[i].y + kLabelHeight, false);
  }
  return sheet;
}

}  // namespace assetgen
