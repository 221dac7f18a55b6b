#include "platform/win32/Win32Label.h"

namespace batch {
namespace {

constexpr const char* kLabelClass = "BatchSuffixLabel";

void RegisterLabelClass(WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = kLabelClass;
  RegisterClassA(&wc);  // already registered by an earlier label: fine
}

UINT DrawFlags(const LabelSettings& settings) {
  UINT flags = DT_NOPREFIX;
  switch (settings.align) {
    case HorizontalAlign::Left: flags |= DT_LEFT; break;
    case HorizontalAlign::Centre: flags |= DT_CENTER; break;
    case HorizontalAlign::Right: flags |= DT_RIGHT; break;
  }
  return flags | (settings.lines == LineBreaking::SingleLineCentred ? DT_SINGLELINE | DT_VCENTER
                                                                    : DT_WORDBREAK | DT_TOP);
}

}  // namespace

Win32Label::Win32Label(const LabelSettings& settings)
    : settings_(settings), background_(settings.background), font_(CreateDescribedFont(settings.font)) {}

Win32Label::~Win32Label() {
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  DeleteObject(font_);
}

std::unique_ptr<Component> Win32Label::Create(const ComponentContext& context) {
  const auto& settings = std::get<LabelSettings>(context.entry.settings);
  std::unique_ptr<Win32Label> label(new Win32Label(settings));
  RegisterLabelClass(&Proc);
  const Rect& at = context.entry.place;
  const DWORD style =
      WS_CHILD | (settings.border ? WS_BORDER : 0) | (context.entry.disabled ? WS_DISABLED : 0);
  label->hwnd_ = CreateWindowExA(0, kLabelClass, settings.caption.c_str(), style, at.left, at.top,
                                 at.width, at.height, reinterpret_cast<HWND>(context.host.Handle()),
                                 nullptr, GetModuleHandleA(nullptr), label.get());
  if (label->hwnd_ == nullptr) return nullptr;
  return label;
}

LRESULT CALLBACK Win32Label::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32Label*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self != nullptr) {
    switch (message) {
      case WM_ERASEBKGND: return 1;  // the paint fills the whole area
      case WM_PAINT:
        self->hwnd_ = hwnd;
        self->Paint();
        return 0;
      case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        break;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Win32Label::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  RECT area;
  GetClientRect(hwnd_, &area);
  FillRect(dc, &area, background_.Get());
  HGDIOBJ previous = SelectObject(dc, font_);
  SetTextColor(dc, ToColorRef(settings_.text));
  SetBkMode(dc, TRANSPARENT);
  DrawTextA(dc, settings_.caption.c_str(), -1, &area, DrawFlags(settings_));
  SelectObject(dc, previous);
  EndPaint(hwnd_, &paint);
}

}  // namespace batch
