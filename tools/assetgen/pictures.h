// The game's pictures: file name, size and the routine that draws each one, in load order.
#pragma once

#include <vector>

#include "tools/assetgen/canvas.h"

namespace assetgen {

struct Picture {
  const char* name;
  int width;
  int height;
  void (*draw)(Canvas& canvas);
};

const std::vector<Picture>& Pictures();

// Draws the picture and flattens it to its final pixels.
RgbImage RenderPicture(const Picture& picture);

}  // namespace assetgen
