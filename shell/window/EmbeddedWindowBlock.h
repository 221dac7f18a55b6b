#pragma once
// The main window's description block, compiled into the program.

#include <cstdint>
#include <span>

namespace batch {

std::span<const std::uint8_t> EmbeddedWindowBlock();

}  // namespace batch
