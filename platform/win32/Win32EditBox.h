#pragma once
// A single-line edit box whose length limit counts bytes in the ANSI code
// page: what the user types or pastes is cut to what fits.

#include <windows.h>

#include <memory>

#include "platform/win32/Win32Colours.h"
#include "shell/window/Component.h"

namespace batch {

class Win32EditBox final : public Component {
 public:
  // nullptr when the control cannot be created.
  static std::unique_ptr<Component> Create(const ComponentContext& context);
  ~Win32EditBox() override;

  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(hwnd_); }
  void Show() override { ShowWindow(hwnd_, SW_SHOWNA); }
  void Hide() override { ShowWindow(hwnd_, SW_HIDE); }
  // Asks for the length first, then for the text.
  Text ReadText() override;

  // The box behind an edit control's handle, or nullptr.
  static Win32EditBox* FromHandle(HWND hwnd);
  // Answers WM_CTLCOLOREDIT for this box.
  HBRUSH Colours(HDC dc) const;

 private:
  explicit Win32EditBox(const EditBoxSettings& settings);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Bytes the text keeps when the selection is replaced.
  std::int32_t KeptBytes() const;
  bool Fits(std::int32_t bytes) const { return KeptBytes() + bytes <= settings_.maxBytes; }
  LRESULT Char(WPARAM wParam, LPARAM lParam);
  LRESULT Paste();

  const EditBoxSettings settings_;  // a copy: it may outlive the description
  Win32Brush background_;
  HFONT ownFont_ = nullptr;
  HWND hwnd_ = nullptr;
  WNDPROC editProc_ = nullptr;
  bool trailExpected_ = false;  // a lead byte came in through WM_CHAR
  bool trailRefused_ = false;   // ... and was refused, so its trail is too
};

}  // namespace batch
