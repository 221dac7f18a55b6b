#pragma once
// An edit box's length limit counts bytes of the text's encoding, so a
// two-byte character takes two of them and is never cut in half.

#include <cstdint>

#include "text/Text.h"

namespace batch {

// How many leading bytes of `text` fit into `room` bytes without splitting a
// character (the two-byte rule of CharRule::TwoByte, or UTF-8 sequences for
// CharRule::PlainBytes, whose lead byte announces the length).
std::int32_t BytesThatFit(TextRef text, std::int32_t room, CharRule rule);

}  // namespace batch
