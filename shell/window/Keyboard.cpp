#include "shell/window/Keyboard.h"

#include <algorithm>

namespace batch {

KeyAction WindowKeyAction(KeyPress press, bool focusedClaims) {
  const bool modifiers = press.ctrl || press.alt;
  if (modifiers) return KeyAction::PassOn;
  if (press.key == Key::Tab) return press.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
  if (press.shift || focusedClaims) return KeyAction::PassOn;
  switch (press.key) {
    case Key::Escape: return KeyAction::CloseWindow;
    case Key::Enter:
    case Key::F1: return KeyAction::Swallow;
    default: return KeyAction::PassOn;
  }
}

std::vector<ComponentId> FocusCycle(const WindowDescription& window) {
  std::vector<const ComponentEntry*> focusable;
  for (std::size_t i = 1; i < window.entries.size(); ++i) {
    const ComponentEntry& e = window.entries[i];
    if (e.visible && !e.disabled && e.takesFocus && e.Type() != ComponentType::DropTarget) {
      focusable.push_back(&e);
    }
  }
  std::stable_sort(focusable.begin(), focusable.end(),
                   [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
  std::vector<ComponentId> cycle;
  for (const auto* e : focusable) cycle.push_back(e->id);
  return cycle;
}

ComponentId NextFocus(const WindowDescription& window, ComponentId current, bool forward) {
  const std::vector<ComponentId> cycle = FocusCycle(window);
  if (cycle.empty()) return 0;
  const auto at = std::find(cycle.begin(), cycle.end(), current);
  if (at == cycle.end()) return forward ? cycle.front() : cycle.back();
  const std::size_t i = static_cast<std::size_t>(at - cycle.begin());
  return forward ? cycle[(i + 1) % cycle.size()] : cycle[(i + cycle.size() - 1) % cycle.size()];
}

ComponentId FocusOnActivation(const WindowDescription& window, ComponentId remembered,
                              bool rememberedExists) {
  if (remembered != 0 && rememberedExists) return remembered;
  const std::vector<ComponentId> cycle = FocusCycle(window);
  return cycle.empty() ? 0 : cycle.front();
}

}  // namespace batch
