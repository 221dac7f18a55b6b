#pragma once
// Text: bytes without a zero byte, ended by one zero byte, with no length of
// their own. The null text and the empty text are the same value. Lengths and
// positions are 32-bit signed byte counts; positions are 1-based and a search
// that finds nothing gives -1.
//
// Every operation that yields a Text hands back a new value that the caller
// owns; no operation changes, keeps or releases its arguments.

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

#include "text/Storage.h"

namespace batch {

// An owned Text: either null or one block of length + 1 bytes.
class Text {
 public:
  Text() noexcept = default;
  Text(Text&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
  // The new value is complete before the old one is released.
  Text& operator=(Text&& other) noexcept {
    if (this != &other) {
      ReleaseTextBlock(block_);
      block_ = std::exchange(other.block_, nullptr);
    }
    return *this;
  }
  Text(const Text&) = delete;
  Text& operator=(const Text&) = delete;
  ~Text() { ReleaseTextBlock(block_); }

  // The bytes up to the first zero byte of `bytes`.
  static Text FromBytes(std::string_view bytes);

  // A new Text of `length` bytes, written by fill(char* first) before anyone
  // sees it. fill must write exactly `length` non-zero bytes.
  template <class Fill>
  static Text Build(std::int32_t length, Fill&& fill) {
    Text text;
    text.block_ = RequestTextBlock(std::int64_t{length} + 1);
    std::forward<Fill>(fill)(text.block_);
    text.block_[length] = '\0';
    return text;
  }

  const char* Bytes() const noexcept { return block_ != nullptr ? block_ : ""; }
  std::string_view View() const noexcept { return Bytes(); }

 private:
  char* block_ = nullptr;
};

// A Text borrowed for the length of a call: zero-terminated bytes or null.
class TextRef {
 public:
  constexpr TextRef() noexcept = default;
  constexpr TextRef(const char* bytes) noexcept : bytes_(bytes) {}
  TextRef(const Text& text) noexcept : bytes_(text.Bytes()) {}

  constexpr const char* Bytes() const noexcept { return bytes_ != nullptr ? bytes_ : ""; }
  std::string_view View() const noexcept { return Bytes(); }
  constexpr bool IsEmpty() const noexcept { return Bytes()[0] == '\0'; }

 private:
  const char* bytes_ = nullptr;
};

// How the searches step through a text.
enum class CharRule {
  // Every byte of 0x80 or above starts a two-byte character (the Windows
  // double-byte code pages); a match never begins on its second byte.
  TwoByte,
  // Every byte is a character of its own (UTF-8 and the other Linux
  // encodings, in which '.' and '/' never occur inside a character).
  PlainBytes,
};

// Whether `byte` is the first byte of a two-byte character under `rule`.
constexpr bool StartsTwoByteCharacter(unsigned char byte, CharRule rule) {
  return rule == CharRule::TwoByte && byte >= 0x80;
}

// A-Z as a-z, every other byte as it is: the only case folding done anywhere,
// so bytes of two-byte characters and of other encodings stay exact.
constexpr unsigned char FoldAsciiCase(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}
constexpr char FoldAsciiCase(char byte) {
  return static_cast<char>(FoldAsciiCase(static_cast<unsigned char>(byte)));
}

std::int32_t TextLength(TextRef text);
Text TextLeft(TextRef text, std::int32_t count);
Text TextRight(TextRef text, std::int32_t count);

// First (FindText) or last (FindTextReverse) match of `sought` that begins on
// a character boundary, or -1. With a start position k the forward search
// scans from byte k on and the reverse one only the first k - 1 bytes.
// ignoreCase folds the ASCII letters A-Z onto a-z and nothing else.
std::int32_t FindText(TextRef searched, TextRef sought,
                      std::optional<std::int32_t> start = std::nullopt,
                      bool ignoreCase = false, CharRule rule = CharRule::TwoByte);
std::int32_t FindTextReverse(TextRef searched, TextRef sought,
                             std::optional<std::int32_t> start = std::nullopt,
                             bool ignoreCase = false, CharRule rule = CharRule::TwoByte);

Text ConcatText(std::initializer_list<TextRef> parts);
inline Text ConcatText(TextRef first, TextRef second) { return ConcatText({first, second}); }

// The null text for an empty text, else a new block with the same bytes.
Text CopyText(TextRef text);

}  // namespace batch
