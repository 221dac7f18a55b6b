// Where the main window starts on screens of several sizes.

#include <gtest/gtest.h>

#include "shell/window/MainWindow.h"
#include "shell/window/Placement.h"

namespace batch {
namespace {

TEST(Placement, CentresTheMainWindowRoundingTowardZero) {
  const WindowDescription main = MainWindowDescription();
  const struct {
    std::int32_t width, height;
    Point origin;
  } screens[] = {
      {1024, 768, {322, 323}},
      {1920, 1080, {770, 479}},
      {380, 122, {0, 0}},
      {300, 100, {-39, -10}},  // narrower than the window: -39.5 and -10.5
  };
  for (const auto& screen : screens) {
    SCOPED_TRACE(testing::Message() << screen.width << " x " << screen.height);
    EXPECT_EQ(StartOrigin(main, screen.width, screen.height), screen.origin);
  }
}

TEST(Placement, AStoredPlaceIsKept) {
  WindowDescription window = MainWindowDescription();
  window.entries[0].place.left = -5;
  window.entries[0].place.top = 7;
  std::get<WindowSettings>(window.entries[0].settings).placement = StartPlacement::AsStored;
  EXPECT_EQ(StartOrigin(window, 1024, 768), (Point{-5, 7}));
}

}  // namespace
}  // namespace batch
