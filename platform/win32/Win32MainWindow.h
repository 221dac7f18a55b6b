#pragma once
// A program window: the top-level window of a description, with its fixed
// frame, icons, background and the keyboard and focus rules of the shell.
// The window procedure hands every message to the one object behind the
// window, found through the window's user data.

#include <windows.h>

#include <memory>
#include <vector>

#include "shell/window/Component.h"

namespace batch {

class Win32MainWindow final : public NativeWindow {
 public:
  // Created hidden; nullptr when the platform refuses.
  static std::unique_ptr<Win32MainWindow> Create(const WindowDescription& description,
                                                 WindowObserver& observer);
  ~Win32MainWindow() override;

  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(hwnd_); }
  void SetIcons() override;
  void ArrangeControls(std::span<Component* const> topmostFirst) override;
  void Show(ShowState state) override;

  // Gives the window a key press meant for it or for one of its controls
  // before anyone else sees it; true when the window has dealt with it.
  static bool PreTranslate(const MSG& message);
  static void UnregisterWindowClass();

 private:
  Win32MainWindow(const WindowDescription& description, WindowObserver& observer)
      : description_(description), observer_(observer) {}
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleKey(const MSG& message);
  // The control whose window has the focus, or 0.
  ComponentId FocusedControl() const;
  HWND ControlWindow(ComponentId id) const;
  void FocusControl(ComponentId id);

  const WindowDescription description_;  // a copy: it may outlive the shell's
  const ComponentId id_ = description_.Id();
  WindowObserver& observer_;
  HWND hwnd_ = nullptr;
  HICON icon_ = nullptr;
  std::vector<std::pair<ComponentId, HWND>> controls_;
  ComponentId focusAtDeactivation_ = 0;
};

}  // namespace batch
