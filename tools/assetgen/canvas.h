// A picture being drawn: a colour and an opacity per pixel. Opacity 0 is the transparent key.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/assetgen/color.h"

namespace assetgen {

class Canvas {
 public:
  Canvas(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  Color ColorAt(int x, int y) const { return color_[Index(x, y)]; }
  float AlphaAt(int x, int y) const { return alpha_[Index(x, y)]; }

  void Set(int x, int y, Color c, float a = 1);
  // Paints c with opacity a over what is there.
  void Over(int x, int y, Color c, float a);
  // Paints an anti-aliased edge pixel: blends over painted pixels but snaps to fully on or off
  // over transparent ones, so that no silhouette fades into the key colour.
  void Cover(int x, int y, Color c, float coverage);
  // Draws src over this canvas with its top-left corner at (dx, dy).
  void Draw(const Canvas& src, int dx, int dy);

  // Where shapes land: a shape point p is painted at pixel p * scale + (x, y). Lets a routine
  // drawn for one size be painted larger, as sharp as at its own size.
  void SetView(float scale, float x, float y) { view_scale_ = scale, view_x_ = x, view_y_ = y; }
  float view_scale() const { return view_scale_; }
  float view_x() const { return view_x_; }
  float view_y() const { return view_y_; }

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_, height_;
  std::vector<Color> color_;
  std::vector<float> alpha_;
  float view_scale_ = 1, view_x_ = 0, view_y_ = 0;
};

// Runs draw on a fresh w x h canvas and paints the result at (x, y): whatever draw paints
// outside that rectangle is cut away.
void DrawClipped(Canvas& canvas, int x, int y, int w, int h,
                 const std::function<void(Canvas&)>& draw);
// Cells of w x h side by side from x 0 (stacked from y 0 when vertical), each drawn clipped
// to itself by draw(cell canvas, index).
void DrawCells(Canvas& canvas, int w, int h, int count, bool vertical,
               const std::function<void(Canvas&, int)>& draw);

// Final 24-bit picture, rows top-down, 3 bytes per pixel in R, G, B order.
struct RgbImage {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;
};

// Every visible pixel keeps at least one channel at this level, so that the game's 5-6-5
// conversion never turns it into the black transparent key.
constexpr int kMinVisibleChannel = 40;

// Flattens the canvas over black: faint pixels become the key, the rest are lifted to stay
// visible after 5-6-5 conversion.
RgbImage Flatten(const Canvas& canvas);

}  // namespace assetgen
