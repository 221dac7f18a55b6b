#pragma once
// The embedded form of the window descriptions, layout version 1.
//
// Every integer is 32 bits, little-endian. A string is its byte count (u32)
// followed by that many bytes, none of them zero. A colour is u32 kind (0 RGB,
// 1 system slot) and u32 value. A font is i32 height, i32 weight, u32 switches
// (bit 0 italic, 1 underline, 2 strike-out), string face, u32 character set,
// u32 quality.
//
//   block    "BSWD", u32 version (1), u32 size of the whole block,
//            u32 window count (at least 1), then each window
//   window   u32 entry count (at least 1), then the entries; the first entry
//            is the window itself, every other one a control
//   entry    i32 id (not 0, unique in the block), u32 type (0 window,
//            1 label, 2 edit box, 3 drop target), string name, comment, tag,
//            i32 left, top, width, height (sizes not negative),
//            u32 flags (bit 0 visible, 1 disabled, 2 takes the focus),
//            i32 tab order, i32 mouse pointer,
//            u32 binding count, then per binding i32 event number (not
//            negative, each once) and string handler name (not empty),
//            u32 settings size, then the settings record of the type
//   window settings   string caption, u32 frame (0 none, 1 fixed, 2 sizable),
//            u32 switches (bit 0 system menu, 1 minimise button, 2 maximise
//            button, 3 movable, 4 task-bar button, 5 always on top, 6 Esc
//            closes), colour background, u32 placement (0 as stored, 1 screen
//            centre), u32 show state (0 normal, 1 minimised, 2 maximised),
//            string icon
//   label settings    string caption, font, colour text, colour background,
//            u32 alignment (0 left, 1 centre, 2 right), u32 line breaking
//            (0 one line centred vertically, 1 word-wrapped from the top),
//            u32 border (0 or 1)
//   edit box settings string text, u32 switches (bit 0 client edge, 1 own
//            font, 2 multi-line, 3 horizontal scrolling, 4 scroll bars,
//            5 read-only, 6 password, 7 upper case, 8 lower case, 9 up-down
//            buttons, 10 hide selection when unfocused), colour text, colour
//            background, font, u32 alignment, i32 maximum bytes (0 no limit)
//   drop target settings  kept as raw bytes; its creator reads them
//
// Reading is strict: a wrong magic or version, a size that differs from the
// block's, a field running past its record or the block, bytes left over, an
// unknown value or switch bit, or an entry out of place all refuse the block.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "shell/window/WindowDescription.h"

namespace batch {

inline constexpr std::uint32_t kDescriptionLayoutVersion = 1;

std::vector<std::uint8_t> EncodeDescriptions(std::span<const WindowDescription> windows);

// The descriptions, or nothing when the block is not exactly a valid one.
std::optional<std::vector<WindowDescription>> ReadDescriptions(std::span<const std::uint8_t> block);

}  // namespace batch
