#include "shell/window/ByteLimit.h"

namespace batch {
namespace {

std::int32_t CharacterSize(unsigned char lead, CharRule rule) {
  if (lead < 0x80) return 1;
  if (rule == CharRule::TwoByte) return 2;
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return lead >= 0xC0 ? 2 : 1;
}

}  // namespace

std::int32_t BytesThatFit(TextRef text, std::int32_t room, CharRule rule) {
  const std::int32_t length = TextLength(text);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.Bytes());
  std::int32_t fit = 0;
  while (fit < length) {
    const std::int32_t size = CharacterSize(bytes[fit], rule);
    if (fit + size > room || fit + size > length) break;
    fit += size;
  }
  return fit;
}

}  // namespace batch
