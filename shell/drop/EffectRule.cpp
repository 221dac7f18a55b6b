#include "shell/drop/EffectRule.h"

#include <initializer_list>

namespace batch {
namespace {

DropEffects AskedFor(DropKeys keys) {
  const bool control = (keys & kKeyControl) != 0;
  const bool shift = (keys & kKeyShift) != 0;
  if (control && shift) return kEffectLink;
  if (control) return kEffectCopy;
  if (shift) return kEffectMove;
  return kEffectNone;
}

DropEffects FirstAllowed(DropEffects allowed) {
  for (DropEffects effect : {kEffectCopy, kEffectMove, kEffectLink})
    if ((allowed & effect) != 0) return effect;
  return kEffectNone;
}

}  // namespace

bool EffectRule(bool accepting, DropKeys keys, DropEffects& effect) {
  const DropEffects allowed = effect;
  const DropEffects asked = AskedFor(keys);
  if (!accepting) {
    effect = kEffectNone;
  } else if (asked == kEffectNone) {
    effect = FirstAllowed(allowed);
  } else {
    // A link is refused whenever the keys ask for one.
    effect = (allowed & asked) != 0 && asked != kEffectLink ? asked : kEffectNone;
  }
  return effect != kEffectNone;
}

}  // namespace batch
