// libFuzzer entry for the window description reader: any bytes are either
// refused or read into descriptions whose encoding gives back exactly those
// bytes, since the encoding has one form for every content.

#include <cstdlib>
#include <span>

#include "shell/window/DescriptionBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> block(data, size);
  const auto windows = batch::ReadDescriptions(block);
  if (!windows) return 0;
  const auto again = batch::EncodeDescriptions(*windows);
  if (!std::equal(again.begin(), again.end(), block.begin(), block.end())) std::abort();
  return 0;
}
