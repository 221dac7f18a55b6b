#pragma once
// Little-endian writing and strict reading of the description block's fields.
// A reader that runs past its end, or is told a value is wrong, stays failed:
// every later read yields zero, and the caller checks Ok() once at the end.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

class ByteWriter {
 public:
  void U32(std::uint32_t value);
  void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
  // A byte count, then the bytes.
  void String(std::string_view text);
  void Bytes(std::span<const std::uint8_t> bytes);
  // Bit i set when the i-th switch is on.
  void Switches(std::initializer_list<bool> switches);

  std::vector<std::uint8_t>& Out() { return out_; }

 private:
  std::vector<std::uint8_t> out_;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint32_t U32();
  std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
  // A counted string; a zero byte inside it is an error.
  std::string String();
  std::span<const std::uint8_t> Bytes(std::uint32_t count);
  // A value below `limit`, else an error.
  std::uint32_t Below(std::uint32_t limit);
  // Reads `switches.size()` switches; any other bit set is an error.
  void Switches(std::initializer_list<bool*> switches);

  void Fail() { ok_ = false; }
  bool Ok() const { return ok_; }
  bool AtEnd() const { return ok_ && pos_ == bytes_.size(); }
  std::size_t Remaining() const { return ok_ ? bytes_.size() - pos_ : 0; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace batch
