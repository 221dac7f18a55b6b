#pragma once
// A label: fills its area with its background colour, then draws its caption
// in its own font and text colour; no border.

#include <windows.h>

#include <memory>

#include "platform/win32/Win32Colours.h"
#include "shell/window/Component.h"

namespace batch {

class Win32Label final : public Component {
 public:
  // nullptr when the control cannot be created.
  static std::unique_ptr<Component> Create(const ComponentContext& context);
  ~Win32Label() override;

  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(hwnd_); }
  void Show() override { ShowWindow(hwnd_, SW_SHOWNA); }
  void Hide() override { ShowWindow(hwnd_, SW_HIDE); }

 private:
  explicit Win32Label(const LabelSettings& settings);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  const LabelSettings settings_;  // a copy: it may outlive the description
  Win32Brush background_;
  HFONT font_;
  HWND hwnd_ = nullptr;
};

}  // namespace batch
