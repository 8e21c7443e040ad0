// The keyed blit's row codes, as test parameters: each test runs on every
// path this processor can run and skips the others.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "engine/draw/draw_internal.h"

inline const auto kKeyedPaths =
    ::testing::Values(koDraw::detail::KeyedPath::Portable, koDraw::detail::KeyedPath::Avx2,
                      koDraw::detail::KeyedPath::Avx2LibraryCopy);

inline std::string KeyedPathName(const ::testing::TestParamInfo<koDraw::detail::KeyedPath>& info) {
  switch (info.param) {
    case koDraw::detail::KeyedPath::Portable:
      return "Portable";
    case koDraw::detail::KeyedPath::Avx2:
      return "Avx2";
    case koDraw::detail::KeyedPath::Avx2LibraryCopy:
      return "Avx2LibraryCopy";
  }
  return "Unknown";
}
