#pragma once
// A program window as a Qt top-level widget: fixed size, the caption and
// icon of its description, its controls in place, and the window's own keys
// and focus rules applied before any control sees a key.

#include <QPointer>
#include <QWidget>
#include <vector>

#include "shell/window/Component.h"
#include "shell/window/WindowDescription.h"

namespace batch {

// The client area a Windows fixed frame leaves inside an outer size (border
// and caption bar, as measured with GetClientRect under Wine): controls are
// placed in client coordinates, so the Linux window has this client size.
inline constexpr int kWindowsFrameWidth = 6;
inline constexpr int kWindowsFrameHeight = 25;

class QtMainWindow final : public QWidget, public NativeWindow {
 public:
  QtMainWindow(const WindowDescription& description, WindowObserver& observer);

  NativeHandle Handle() const override;
  void SetIcons() override;
  void ArrangeControls(std::span<Component* const> topmostFirst) override;
  void Show(ShowState state) override;

  // The outer top-left corner that centres the described outer size on the
  // primary screen, each half rounded toward zero.
  QPoint StartPosition() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // True when the window's rules took the key.
  bool HandleKey(const QKeyEvent& event);
  void FocusControl(ComponentId id, Qt::FocusReason reason);
  ComponentId FocusedControl() const;
  bool HasControl(ComponentId id) const;

  const WindowDescription& description_;
  WindowObserver& observer_;
  // The controls' widgets, in the description's stored order.
  std::vector<std::pair<ComponentId, QPointer<QWidget>>> controls_;
  ComponentId lastFocused_ = 0;
  bool destroyed_ = false;
};

}  // namespace batch
