#pragma once
// What the window makes of a key press before its focused control sees it,
// and where the keyboard focus goes.

#include <vector>

#include "shell/window/WindowDescription.h"

namespace batch {

enum class Key { Escape, Tab, Enter, F1, Other };

struct KeyPress {
  Key key = Key::Other;
  bool ctrl = false, shift = false, alt = false;
};

enum class KeyAction {
  PassOn,         // the focused control gets the key
  CloseWindow,    // as the close button does
  FocusNext,
  FocusPrevious,
  Swallow,        // nothing happens, and the control never sees it
};

// focusedClaims: whether the focused control wants this key for itself (a
// multi-line edit box wants Enter, for instance).
KeyAction WindowKeyAction(KeyPress press, bool focusedClaims);

// The controls that take the focus (visible, enabled, flagged, and of a type
// that can show), in tab order; equal tab orders keep the stored order.
std::vector<ComponentId> FocusCycle(const WindowDescription& window);

// The control after (or before) `current` in the cycle, wrapping around;
// from a control outside the cycle, its first (or last). 0 when none.
ComponentId NextFocus(const WindowDescription& window, ComponentId current, bool forward);

// Where the focus goes when the window itself receives it: the control that
// had it at the last deactivation if it still exists, else the first in the
// cycle (0 when none).
ComponentId FocusOnActivation(const WindowDescription& window, ComponentId remembered,
                              bool rememberedExists);

}  // namespace batch
