#include "text/Text.h"

#include <algorithm>

namespace batch {

Text Text::FromBytes(std::string_view bytes) {
  const std::size_t end = std::min(bytes.find('\0'), bytes.size());
  return Build(ClaimTextLength(static_cast<std::int64_t>(end)),
               [&](char* out) { std::memcpy(out, bytes.data(), end); });
}

std::int32_t TextLength(TextRef text) {
  return static_cast<std::int32_t>(std::strlen(text.Bytes()));
}

Text TextLeft(TextRef text, std::int32_t count) {
  // Only the first `count` bytes are looked at: cutting a path off the front
  // of a long list must not cost a scan of the whole list.
  const auto n = static_cast<std::int32_t>(strnlen(text.Bytes(), static_cast<std::size_t>(std::max(count, 0))));
  return Text::Build(n, [&](char* out) { std::memcpy(out, text.Bytes(), n); });
}

Text TextRight(TextRef text, std::int32_t count) {
  const std::int32_t length = TextLength(text);
  const std::int32_t n = std::min(std::max(count, 0), length);
  return Text::Build(n, [&](char* out) { std::memcpy(out, text.Bytes() + (length - n), n); });
}

Text ConcatText(std::initializer_list<TextRef> parts) {
  std::int64_t total = 0;
  for (TextRef part : parts) total += TextLength(part);
  return Text::Build(ClaimTextLength(total), [&](char* out) {
    for (TextRef part : parts) {
      const std::size_t n = std::strlen(part.Bytes());
      std::memcpy(out, part.Bytes(), n);
      out += n;
    }
  });
}

Text CopyText(TextRef text) {
  // Null and empty are one value: nothing to copy, no storage taken.
  if (text.IsEmpty()) return Text();
  return Text::FromBytes(text.View());
}

}  // namespace batch
