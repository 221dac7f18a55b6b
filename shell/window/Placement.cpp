#include "shell/window/Placement.h"

namespace batch {

Point StartOrigin(const WindowDescription& window, std::int32_t screenWidth, std::int32_t screenHeight) {
  const Rect& place = window.Window().place;
  if (window.Settings().placement == StartPlacement::AsStored) return {place.left, place.top};
  return {(screenWidth - place.width) / 2, (screenHeight - place.height) / 2};
}

}  // namespace batch
