#pragma once
// The text that carries a dropped file list to its handler: one path alone,
// with no line break; two or more, each followed by CR LF; none, the empty
// text. Every byte of every path is kept, however long.

#include <span>

#include "text/Text.h"

namespace batch {

Text FileListText(std::span<const Text> paths);

}  // namespace batch
