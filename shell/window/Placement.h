#pragma once
// Where a window starts: its stored place, or centred on the screen. Each
// half is rounded toward zero, so on a screen narrower than the window the
// left edge is negative and the window is placed there all the same.

#include <cstdint>

#include "shell/window/WindowDescription.h"

namespace batch {

struct Point {
  std::int32_t x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

Point StartOrigin(const WindowDescription& window, std::int32_t screenWidth, std::int32_t screenHeight);

}  // namespace batch
