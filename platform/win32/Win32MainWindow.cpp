#include "platform/win32/Win32MainWindow.h"

#include "platform/win32/Win32EditBox.h"
#include "shell/window/Keyboard.h"
#include "shell/window/Placement.h"

namespace batch {
namespace {

constexpr const char* kWindowClass = "BatchSuffixWindow";

void RegisterWindowClass(WNDPROC proc, const WindowSettings& settings) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = settings.background.kind == Colour::Kind::System
                         ? reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(settings.background.value + 1))
                         : nullptr;
  wc.lpszClassName = kWindowClass;
  RegisterClassExA(&wc);  // already registered by an earlier window: fine
}

DWORD WindowStyle(const WindowSettings& s) {
  DWORD style = WS_OVERLAPPED | WS_CLIPCHILDREN;
  if (s.frame != FrameStyle::None) style |= WS_CAPTION;
  if (s.frame == FrameStyle::Sizable) style |= WS_THICKFRAME;
  if (s.systemMenu) style |= WS_SYSMENU;
  if (s.minimiseButton) style |= WS_MINIMIZEBOX;
  if (s.maximiseButton) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD WindowExStyle(const WindowSettings& s) {
  return (s.taskBarButton ? WS_EX_APPWINDOW : 0) | (s.alwaysOnTop ? WS_EX_TOPMOST : 0);
}

Key KeyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_ESCAPE: return Key::Escape;
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;
    case VK_F1: return Key::F1;
    default: return Key::Other;
  }
}

bool Down(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

std::unique_ptr<Win32MainWindow> Win32MainWindow::Create(const WindowDescription& description,
                                                         WindowObserver& observer) {
  const WindowSettings& settings = description.Settings();
  RegisterWindowClass(&Proc, settings);
  std::unique_ptr<Win32MainWindow> window(new Win32MainWindow(description, observer));
  const Rect& place = description.Window().place;
  const Point at =
      StartOrigin(description, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  CreateWindowExA(WindowExStyle(settings), kWindowClass, settings.caption.c_str(),
                  WindowStyle(settings), at.x, at.y, place.width, place.height, nullptr, nullptr,
                  GetModuleHandleA(nullptr), window.get());
  if (window->hwnd_ == nullptr) return nullptr;

  RECT outer;
  GetWindowRect(window->hwnd_, &outer);
  if (outer.right - outer.left != place.width || outer.bottom - outer.top != place.height) {
    SetWindowPos(window->hwnd_, nullptr, 0, 0, place.width, place.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return window;
}

Win32MainWindow::~Win32MainWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  if (icon_ != nullptr) DestroyIcon(icon_);
}

void Win32MainWindow::UnregisterWindowClass() {
  UnregisterClassA(kWindowClass, GetModuleHandleA(nullptr));
}

void Win32MainWindow::SetIcons() {
  // Both the large and the small icon come from the 32-pixel image.
  icon_ = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), description_.Settings().icon.c_str(),
                                        IMAGE_ICON, 32, 32, 0));
  if (icon_ == nullptr) return;
  SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void Win32MainWindow::ArrangeControls(std::span<Component* const> topmostFirst) {
  HWND above = HWND_TOP;
  for (std::size_t i = 0; i < topmostFirst.size(); ++i) {
    auto hwnd = reinterpret_cast<HWND>(topmostFirst[i]->Handle());
    if (hwnd == nullptr) continue;  // a control without a window of its own
    controls_.emplace_back(description_.entries[i + 1].id, hwnd);
    SetWindowPos(hwnd, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = hwnd;
  }
}

void Win32MainWindow::Show(ShowState state) {
  ShowWindow(hwnd_, state == ShowState::Maximised   ? SW_SHOWMAXIMIZED
                    : state == ShowState::Minimised ? SW_SHOWMINIMIZED
                                                    : SW_SHOWNORMAL);
}

bool Win32MainWindow::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.hwnd == nullptr) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  if (GetWindowLongPtrA(root, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Proc)) return false;
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(root, GWLP_USERDATA));
  return self != nullptr && self->HandleKey(message);
}

bool Win32MainWindow::HandleKey(const MSG& message) {
  const KeyPress press{KeyOf(message.wParam), Down(VK_CONTROL), Down(VK_SHIFT), Down(VK_MENU)};
  if (press.key == Key::Other) return false;
  HWND focus = GetFocus();
  MSG copy = message;
  const bool claims = focus != nullptr &&
      (SendMessageA(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&copy)) &
       (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
  const KeyAction action = WindowKeyAction(press, claims);
  switch (action) {
    case KeyAction::PassOn: return false;
    case KeyAction::CloseWindow:
      SendMessageA(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case KeyAction::FocusNext:
    case KeyAction::FocusPrevious:
      FocusControl(NextFocus(description_, FocusedControl(), action == KeyAction::FocusNext));
      return true;
    case KeyAction::Swallow: return true;
  }
  return false;
}

ComponentId Win32MainWindow::FocusedControl() const {
  HWND focus = GetFocus();
  for (const auto& [id, hwnd] : controls_) {
    if (hwnd == focus || IsChild(hwnd, focus)) return id;
  }
  return 0;
}

HWND Win32MainWindow::ControlWindow(ComponentId id) const {
  for (const auto& [controlId, hwnd] : controls_) {
    if (controlId == id && IsWindow(hwnd)) return hwnd;
  }
  return nullptr;
}

void Win32MainWindow::FocusControl(ComponentId id) {
  if (HWND hwnd = ControlWindow(id)) SetFocus(hwnd);
}

LRESULT CALLBACK Win32MainWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self != nullptr ? self->Handle(message, wParam, lParam)
                         : DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT Win32MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) focusAtDeactivation_ = FocusedControl();
      break;
    case WM_SETFOCUS: {
      const ComponentId remembered = focusAtDeactivation_;
      FocusControl(FocusOnActivation(description_, remembered, ControlWindow(remembered) != nullptr));
      return 0;
    }
    case WM_CTLCOLOREDIT:
      if (auto* box = Win32EditBox::FromHandle(reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(box->Colours(reinterpret_cast<HDC>(wParam)));
      }
      break;
    case WM_DESTROY:
      controls_.clear();
      observer_.WindowDestroyed(id_);
      return 0;
    case WM_NCDESTROY: {
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      HWND hwnd = hwnd_;
      hwnd_ = nullptr;
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

}  // namespace batch
