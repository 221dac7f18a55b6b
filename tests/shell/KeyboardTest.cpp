// The window's own keys and where the focus goes.

#include <gtest/gtest.h>

#include "shell/window/Keyboard.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

TEST(WindowKeys, OnlyPlainEscTabEnterAndF1AreTheWindows) {
  const struct {
    const char* what;
    KeyPress press;
    bool focusedClaims;
    KeyAction expected;
  } cases[] = {
      {"Esc", {Key::Escape}, false, KeyAction::CloseWindow},
      {"Esc claimed by the control", {Key::Escape}, true, KeyAction::PassOn},
      {"Shift+Esc", {Key::Escape, false, true}, false, KeyAction::PassOn},
      {"Ctrl+Esc", {Key::Escape, true}, false, KeyAction::PassOn},
      {"Tab", {Key::Tab}, false, KeyAction::FocusNext},
      {"Shift+Tab", {Key::Tab, false, true}, false, KeyAction::FocusPrevious},
      {"Ctrl+Tab", {Key::Tab, true}, false, KeyAction::PassOn},
      {"Alt+Tab", {Key::Tab, false, false, true}, false, KeyAction::PassOn},
      {"Enter", {Key::Enter}, false, KeyAction::Swallow},
      {"Enter claimed by a multi-line box", {Key::Enter}, true, KeyAction::PassOn},
      {"F1", {Key::F1}, false, KeyAction::Swallow},
      {"a letter", {Key::Other}, false, KeyAction::PassOn},
      {"Shift+letter", {Key::Other, false, true}, false, KeyAction::PassOn},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(WindowKeyAction(c.press, c.focusedClaims), c.expected);
  }
}

TEST(Focus, TheSuffixBoxIsTheMainWindowsOnlyStop) {
  const WindowDescription main = MainWindowDescription();
  EXPECT_EQ(FocusCycle(main), std::vector<ComponentId>{kSuffixBoxId});
  EXPECT_EQ(NextFocus(main, kSuffixBoxId, true), kSuffixBoxId);
  EXPECT_EQ(NextFocus(main, kSuffixBoxId, false), kSuffixBoxId);
  EXPECT_EQ(FocusOnActivation(main, 0, false), kSuffixBoxId);
  EXPECT_EQ(FocusOnActivation(main, kSuffixBoxId, false), kSuffixBoxId);
}

// A window with three focusable boxes, stored 4, 3, 2 with tab orders 1, 0, 1,
// and one hidden, one disabled and one drop target that are all flagged.
WindowDescription ThreeBoxes() {
  WindowDescription window = MainWindowDescription();
  auto box = [](ComponentId id, std::int32_t tab) {
    ComponentEntry entry;
    entry.id = id;
    entry.visible = entry.takesFocus = true;
    entry.tabOrder = tab;
    entry.settings = EditBoxSettings{};
    return entry;
  };
  window.entries.resize(1);
  window.entries.push_back(box(4, 1));
  window.entries.push_back(box(3, 0));
  window.entries.push_back(box(2, 1));
  window.entries.push_back(box(7, 0));
  window.entries.back().visible = false;
  window.entries.push_back(box(8, 0));
  window.entries.back().disabled = true;
  window.entries.push_back(box(9, 0));
  window.entries.back().settings = RawSettings{};
  return window;
}

TEST(Focus, CyclesInTabOrderAndWraps) {
  const WindowDescription window = ThreeBoxes();
  EXPECT_EQ(FocusCycle(window), (std::vector<ComponentId>{3, 4, 2}));
  const struct {
    ComponentId from;
    bool forward;
    ComponentId to;
  } cases[] = {{3, true, 4}, {4, true, 2}, {2, true, 3}, {3, false, 2}, {4, false, 3},
               {7, true, 3}, {7, false, 2}, {0, true, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << (c.forward ? " forward" : " back"));
    EXPECT_EQ(NextFocus(window, c.from, c.forward), c.to);
  }
  EXPECT_EQ(FocusOnActivation(window, 2, true), 2);
  EXPECT_EQ(FocusOnActivation(window, 2, false), 3);
}

}  // namespace
}  // namespace batch
