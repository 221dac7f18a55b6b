#include "platform/win32/Win32EditBox.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "shell/window/ByteLimit.h"

namespace batch {
namespace {

DWORD EditStyle(const EditBoxSettings& s) {
  DWORD style = WS_CHILD | WS_TABSTOP;
  switch (s.align) {
    case HorizontalAlign::Left: style |= ES_LEFT; break;
    case HorizontalAlign::Centre: style |= ES_CENTER; break;
    case HorizontalAlign::Right: style |= ES_RIGHT; break;
  }
  if (s.multiLine) style |= ES_MULTILINE;
  if (s.scrollsHorizontally) style |= ES_AUTOHSCROLL;
  if (s.scrollBars) style |= WS_HSCROLL;
  if (!s.hideSelection) style |= ES_NOHIDESEL;
  if (s.readOnly) style |= ES_READONLY;
  if (s.password) style |= ES_PASSWORD;
  if (s.upperCase) style |= ES_UPPERCASE;
  if (s.lowerCase) style |= ES_LOWERCASE;
  return style;
}

std::int32_t AnsiBytes(const wchar_t* text, int count) {
  return count <= 0 ? 0 : WideCharToMultiByte(CP_ACP, 0, text, count, nullptr, 0, nullptr, nullptr);
}

// The clipboard's text in the ANSI code page, empty when it has none.
std::string ClipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace

Win32EditBox::Win32EditBox(const EditBoxSettings& settings)
    : settings_(settings), background_(settings.background) {}

Win32EditBox::~Win32EditBox() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (ownFont_ != nullptr) DeleteObject(ownFont_);
}

std::unique_ptr<Component> Win32EditBox::Create(const ComponentContext& context) {
  const auto& settings = std::get<EditBoxSettings>(context.entry.settings);
  std::unique_ptr<Win32EditBox> box(new Win32EditBox(settings));
  const Rect& at = context.entry.place;
  const DWORD style = EditStyle(settings) | (context.entry.disabled ? WS_DISABLED : 0);
  HWND hwnd = CreateWindowExA(settings.clientEdge ? WS_EX_CLIENTEDGE : 0, "EDIT",
                              settings.text.c_str(), style, at.left, at.top, at.width, at.height,
                              reinterpret_cast<HWND>(context.host.Handle()), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  if (hwnd == nullptr) return nullptr;
  box->hwnd_ = hwnd;
  SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box.get()));
  box->editProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));

  if (settings.hasFont) box->ownFont_ = CreateDescribedFont(settings.font);
  HGDIOBJ font = box->ownFont_ != nullptr ? box->ownFont_ : GetStockObject(DEFAULT_GUI_FONT);
  SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // Never more characters than bytes; the bytes themselves are counted below.
  if (settings.maxBytes > 0) SendMessageA(hwnd, EM_LIMITTEXT, settings.maxBytes, 0);
  SendMessageA(hwnd, EM_SETSEL, 0, 0);
  return box;
}

Win32EditBox* Win32EditBox::FromHandle(HWND hwnd) {
  if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Proc)) return nullptr;
  return reinterpret_cast<Win32EditBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

HBRUSH Win32EditBox::Colours(HDC dc) const {
  SetTextColor(dc, ToColorRef(settings_.textColour));
  SetBkColor(dc, ToColorRef(settings_.background));
  return background_.Get();
}

Text Win32EditBox::ReadText() {
  const int length = GetWindowTextLengthA(hwnd_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextA(hwnd_, buffer.data(), length + 1);
  return Text::FromBytes({buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0)});
}

LRESULT CALLBACK Win32EditBox::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Win32EditBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32EditBox::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (settings_.maxBytes > 0) {
    switch (message) {
      case WM_CHAR: return Char(wParam, lParam);
      case WM_IME_CHAR:
        if (!Fits(wParam > 0xFF ? 2 : 1)) return 0;
        break;
      case WM_PASTE: return Paste();
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    HWND hwnd = std::exchange(hwnd_, nullptr);
    return CallWindowProcA(editProc_, hwnd, message, wParam, lParam);
  }
  return CallWindowProcA(editProc_, hwnd_, message, wParam, lParam);
}

// Characters typed through WM_CHAR come one byte at a time; a two-byte
// character is let in, or refused, as a whole.
LRESULT Win32EditBox::Char(WPARAM wParam, LPARAM lParam) {
  const auto byte = static_cast<BYTE>(wParam);
  bool refuse = false;
  if (trailExpected_) {
    trailExpected_ = false;
    refuse = std::exchange(trailRefused_, false);
  } else if (byte >= 0x20 && byte != 0x7F) {
    const bool lead = IsDBCSLeadByte(byte);
    refuse = !Fits(lead ? 2 : 1);
    trailExpected_ = lead;
    trailRefused_ = lead && refuse;
  }
  return refuse ? 0 : CallWindowProcA(editProc_, hwnd_, WM_CHAR, wParam, lParam);
}

LRESULT Win32EditBox::Paste() {
  const std::string text = ClipboardText(hwnd_);
  const std::int32_t fit = BytesThatFit(text.c_str(), settings_.maxBytes - KeptBytes(), CharRule::TwoByte);
  if (fit == static_cast<std::int32_t>(text.size())) {
    return CallWindowProcA(editProc_, hwnd_, WM_PASTE, 0, 0);
  }
  const std::string fitting = text.substr(0, static_cast<std::size_t>(fit));
  SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(fitting.c_str()));
  return 0;
}

std::int32_t Win32EditBox::KeptBytes() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  DWORD start = 0, end = 0;
  SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  start = std::min<DWORD>(start, static_cast<DWORD>(copied));
  end = std::min<DWORD>(std::max(end, start), static_cast<DWORD>(copied));
  return AnsiBytes(text.c_str(), static_cast<int>(start)) +
         AnsiBytes(text.c_str() + end, copied - static_cast<int>(end));
}

}  // namespace batch
