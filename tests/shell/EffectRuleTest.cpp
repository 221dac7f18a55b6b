// The effect chosen from the keys held and the effects a drag source allows.

#include <gtest/gtest.h>

#include "shell/drop/EffectRule.h"

namespace batch {
namespace {

constexpr DropKeys kNoKey = 0, kCtrl = kKeyControl, kShift = kKeyShift, kBoth = kCtrl | kShift;
// Keys that do not count: Alt and the mouse buttons.
constexpr DropKeys kAlt = 0x20, kLeftButton = 0x1, kRightButton = 0x2;
constexpr DropEffects kAll = kEffectCopy | kEffectMove | kEffectLink;
// The scroll bit that OLE sources may add; it is never an effect to choose.
constexpr DropEffects kScroll = 0x80000000;

TEST(EffectRule, ChoosesTheEffectFromKeysAndAllowedEffects) {
  const struct {
    const char* name;
    DropKeys keys;
    DropEffects allowed;
    DropEffects chosen;
  } cases[] = {
      {"no key, copy allowed", kNoKey, kEffectCopy, kEffectCopy},
      {"no key, copy among others", kNoKey, kAll, kEffectCopy},
      {"no key, move not copy", kNoKey, kEffectMove | kEffectLink, kEffectMove},
      {"no key, link only", kNoKey, kEffectLink, kEffectLink},
      {"no key, nothing allowed", kNoKey, kEffectNone, kEffectNone},
      {"no key, only an unknown bit", kNoKey, kScroll, kEffectNone},
      {"Ctrl, copy allowed", kCtrl, kAll, kEffectCopy},
      {"Ctrl, copy not allowed", kCtrl, kEffectMove | kEffectLink, kEffectNone},
      {"Shift, move allowed", kShift, kAll, kEffectMove},
      {"Shift, move not allowed", kShift, kEffectCopy | kEffectLink, kEffectNone},
      {"Ctrl and Shift, everything allowed", kBoth, kAll, kEffectNone},
      {"Ctrl and Shift, link only", kBoth, kEffectLink, kEffectNone},
      {"Ctrl and Shift, copy only", kBoth, kEffectCopy, kEffectNone},
      {"Alt and buttons are ignored", kAlt | kLeftButton | kRightButton, kEffectMove, kEffectMove},
      {"Alt with Shift is Shift", kAlt | kShift, kAll, kEffectMove},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DropEffects effect = c.allowed;
    EXPECT_EQ(EffectRule(true, c.keys, effect), c.chosen != kEffectNone);
    EXPECT_EQ(effect, c.chosen);
  }
}

TEST(EffectRule, ChoosesNothingWhileTheDataIsNotAccepted) {
  for (DropKeys keys : {kNoKey, kCtrl, kShift, kBoth}) {
    SCOPED_TRACE(keys);
    DropEffects effect = kAll;
    EXPECT_FALSE(EffectRule(false, keys, effect));
    EXPECT_EQ(effect, kEffectNone);
  }
}

}  // namespace
}  // namespace batch
