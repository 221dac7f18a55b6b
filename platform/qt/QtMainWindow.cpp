#include "platform/qt/QtMainWindow.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "platform/qt/QtLook.h"
#include "shell/window/Keyboard.h"
#include "shell/window/Placement.h"

namespace batch {
namespace {

KeyPress KeyPressOf(const QKeyEvent& event) {
  KeyPress press;
  switch (event.key()) {
    case Qt::Key_Escape: press.key = Key::Escape; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: press.key = Key::Tab; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: press.key = Key::Enter; break;
    case Qt::Key_F1: press.key = Key::F1; break;
    default: break;
  }
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  press.ctrl = modifiers & Qt::ControlModifier;
  press.shift = (modifiers & Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
  press.alt = modifiers & Qt::AltModifier;
  return press;
}

// The caption bar's buttons, as hints to the window manager.
Qt::WindowFlags FlagsOf(const WindowSettings& settings) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
  if (settings.systemMenu) flags |= Qt::WindowSystemMenuHint;
  if (settings.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  if (settings.maximiseButton) flags |= Qt::WindowMaximizeButtonHint;
  if (settings.alwaysOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

QtMainWindow::QtMainWindow(const WindowDescription& description, WindowObserver& observer)
    : QWidget(nullptr, FlagsOf(description.Settings())), description_(description), observer_(observer) {
  const WindowSettings& settings = description.Settings();
  setWindowTitle(QString::fromLocal8Bit(settings.caption));
  const Rect& outer = description.Window().place;
  const QSize client(outer.width - kWindowsFrameWidth, outer.height - kWindowsFrameHeight);
  settings.frame == FrameStyle::Sizable ? resize(client) : setFixedSize(client);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ColourOf(settings.background));
  setPalette(palette);
  setAutoFillBackground(true);
  installEventFilter(this);
}

NativeHandle QtMainWindow::Handle() const {
  return reinterpret_cast<NativeHandle>(static_cast<const QWidget*>(this));
}

void QtMainWindow::SetIcons() { setWindowIcon(ProgramIcon()); }

void QtMainWindow::ArrangeControls(std::span<Component* const> topmostFirst) {
  controls_.clear();
  for (std::size_t i = 0; i < topmostFirst.size(); ++i) {
    auto* widget = reinterpret_cast<QWidget*>(topmostFirst[i]->Handle());
    controls_.emplace_back(description_.entries[i + 1].id, widget);
  }
  // Raising from the bottom up leaves the first one on top.
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    if (control->second == nullptr) continue;
    control->second->raise();
    control->second->installEventFilter(this);
  }
}

QPoint QtMainWindow::StartPosition() const {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point origin = StartOrigin(description_, screen.width(), screen.height());
  return {screen.x() + origin.x, screen.y() + origin.y};
}

void QtMainWindow::Show(ShowState state) {
  move(StartPosition());
  FocusControl(FocusOnActivation(description_, 0, false), Qt::OtherFocusReason);
  switch (state) {
    case ShowState::Minimised: showMinimized(); break;
    case ShowState::Maximised: showMaximized(); break;
    case ShowState::Normal: show(); break;
  }
  activateWindow();
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    return HandleKey(static_cast<const QKeyEvent&>(*event));
  }
  return QWidget::eventFilter(watched, event);
}

bool QtMainWindow::HandleKey(const QKeyEvent& event) {
  // No control here claims a key for itself: the one edit box is single-line.
  const KeyAction action = WindowKeyAction(KeyPressOf(event), false);
  switch (action) {
    case KeyAction::PassOn: return false;
    case KeyAction::CloseWindow: close(); return true;
    case KeyAction::FocusNext:
    case KeyAction::FocusPrevious:
      FocusControl(NextFocus(description_, FocusedControl(), action == KeyAction::FocusNext),
                   Qt::TabFocusReason);
      return true;
    case KeyAction::Swallow: return true;
  }
  return false;
}

void QtMainWindow::FocusControl(ComponentId id, Qt::FocusReason reason) {
  for (const auto& [control, widget] : controls_) {
    if (control == id && widget != nullptr) widget->setFocus(reason);
  }
}

bool QtMainWindow::HasControl(ComponentId id) const {
  for (const auto& [control, widget] : controls_) {
    if (control == id && widget != nullptr) return true;
  }
  return false;
}

ComponentId QtMainWindow::FocusedControl() const {
  const QWidget* focused = focusWidget();
  for (const auto& [control, widget] : controls_) {
    if (widget != nullptr && widget == focused) return control;
  }
  return 0;
}

void QtMainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) {
    if (isActiveWindow()) {
      FocusControl(FocusOnActivation(description_, lastFocused_, HasControl(lastFocused_)),
                   Qt::ActiveWindowFocusReason);
    } else {
      lastFocused_ = FocusedControl();
    }
  }
  QWidget::changeEvent(event);
}

void QtMainWindow::closeEvent(QCloseEvent* event) {
  // A close is always granted, and the window is then gone for the shell.
  event->accept();
  if (!destroyed_) {
    destroyed_ = true;
    controls_.clear();
    observer_.WindowDestroyed(description_.Id());
  }
}

}  // namespace batch
