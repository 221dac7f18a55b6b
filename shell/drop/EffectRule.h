#pragma once
// The effect a drop would have, chosen from the keys held and the effects the
// drag source allows. The numbers are the platform's own (OLE's DROPEFFECT_*
// and MK_*), so adapters pass them through unchanged.

#include <cstdint>

namespace batch {

using DropEffects = std::uint32_t;
inline constexpr DropEffects kEffectNone = 0;
inline constexpr DropEffects kEffectCopy = 1;
inline constexpr DropEffects kEffectMove = 2;
inline constexpr DropEffects kEffectLink = 4;

// Of the key state only these two count; Alt and the mouse buttons do not.
using DropKeys = std::uint32_t;
inline constexpr DropKeys kKeyShift = 4;
inline constexpr DropKeys kKeyControl = 8;

// `effect` holds the allowed effects on entry and the chosen one on return.
// Nothing is chosen while the dragged data is not accepted. Ctrl asks for
// copy, Shift for move, both for link, which is then refused; with no key the
// first allowed of copy, move and link is taken. True when an effect remains.
bool EffectRule(bool accepting, DropKeys keys, DropEffects& effect);

}  // namespace batch
