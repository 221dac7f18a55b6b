#include "shell/window/ByteStream.h"

#include <algorithm>

namespace batch {

void ByteWriter::U32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out_.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::String(std::string_view text) {
  U32(static_cast<std::uint32_t>(text.size()));
  out_.insert(out_.end(), text.begin(), text.end());
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
  U32(static_cast<std::uint32_t>(bytes.size()));
  out_.insert(out_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Switches(std::initializer_list<bool> switches) {
  std::uint32_t bits = 0, bit = 1;
  for (bool on : switches) {
    if (on) bits |= bit;
    bit <<= 1;
  }
  U32(bits);
}

std::uint32_t ByteReader::U32() {
  if (Remaining() < 4) {
    Fail();
    return 0;
  }
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[pos_ + i];
  pos_ += 4;
  return value;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::uint32_t count) {
  if (Remaining() < count) {
    Fail();
    return {};
  }
  auto bytes = bytes_.subspan(pos_, count);
  pos_ += count;
  return bytes;
}

std::string ByteReader::String() {
  const std::uint32_t count = U32();
  const auto bytes = Bytes(count);
  if (std::find(bytes.begin(), bytes.end(), 0) != bytes.end()) Fail();
  return Ok() ? std::string(bytes.begin(), bytes.end()) : std::string();
}

std::uint32_t ByteReader::Below(std::uint32_t limit) {
  const std::uint32_t value = U32();
  if (value >= limit) Fail();
  return Ok() ? value : 0;
}

void ByteReader::Switches(std::initializer_list<bool*> switches) {
  const std::uint32_t bits = U32();
  std::uint32_t bit = 1;
  for (bool* on : switches) {
    *on = (bits & bit) != 0;
    bit <<= 1;
  }
  if (switches.size() < 32 && bits >> switches.size() != 0) Fail();
}

}  // namespace batch
