#pragma once
// One fuzz input checked against the reference text operations. The first
// byte picks a start position or count; the rest holds the text searched and
// the text sought, split at the first zero byte. A disagreement is printed
// and aborts the process.

#include <cstddef>
#include <cstdint>

namespace batch {

void CheckTextOperations(const std::uint8_t* data, std::size_t size);

}  // namespace batch
