// One review picture holding every generated picture on a grid, labelled with its name and size.
#pragma once

#include "tools/assetgen/canvas.h"

namespace assetgen {

RgbImage RenderContactSheet();

}  // namespace assetgen
