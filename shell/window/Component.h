#pragma once
// What the window shell asks of a live window and of its controls. Each
// platform supplies the window and one creator per control type; a creator
// may refuse, and a refusal fails the window build.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "shell/window/WindowDescription.h"
#include "text/Text.h"

namespace batch {

// A platform's identity of a window (HWND, widget pointer); 0 for none.
using NativeHandle = std::uintptr_t;

class Component {
 public:
  virtual ~Component() = default;
  virtual NativeHandle Handle() const { return 0; }
  // Shows the control without activating it, or hides it.
  virtual void Show() {}
  virtual void Hide() {}
  // The control's live text (empty for controls without one).
  virtual Text ReadText() { return {}; }
};

// How a component raises one of its events. The argument belongs to the
// caller; a handler reads it during the call only.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void DeliverEvent(ComponentId component, std::int32_t event, TextRef argument) = 0;
};

class NativeWindow {
 public:
  virtual ~NativeWindow() = default;
  virtual NativeHandle Handle() const = 0;
  virtual void SetIcons() = 0;
  // The controls in stacking order, topmost first, which is the stored order
  // of the description's controls; the window keeps them for moving the
  // focus until it is destroyed.
  virtual void ArrangeControls(std::span<Component* const> topmostFirst) = 0;
  virtual void Show(ShowState state) = 0;
};

// Told by the platform when a live window has been destroyed.
class WindowObserver {
 public:
  virtual ~WindowObserver() = default;
  virtual void WindowDestroyed(ComponentId window) = 0;
};

struct ComponentContext {
  const ComponentEntry& entry;
  const WindowDescription& window;
  NativeWindow& host;
  EventSink& events;
};

// Creates one control, or returns nullptr when it cannot be created.
using ComponentCreator = std::function<std::unique_ptr<Component>(const ComponentContext&)>;

}  // namespace batch
