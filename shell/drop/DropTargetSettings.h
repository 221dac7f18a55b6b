#pragma once
// Which kinds of dragged data a drop target takes, and the 20-byte record in
// which the window description stores that choice: five little-endian 32-bit
// fields, a version (written as 1) and one switch per kind, in kind order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace batch {

// The kinds of data, numbered as their switches and their events are.
enum class DropKind : int { Text = 0, Html = 1, Url = 2, Files = 3 };
inline constexpr int kDropKindCount = 4;

struct DropTargetSettings {
  std::array<bool, kDropKindCount> accept{};

  bool Accepts(DropKind kind) const { return accept[static_cast<int>(kind)]; }
  // By number, 0..3; other numbers read as off and are not written.
  bool Switch(int number) const;
  void SetSwitch(int number, bool on);
};

inline constexpr std::size_t kDropTargetRecordSize = 20;
using DropTargetRecord = std::array<std::uint8_t, kDropTargetRecordSize>;

// An empty record switches everything off. A version other than 0 or 1, or a
// record that ends before its last field, cannot be read: the object that it
// describes cannot be created.
std::optional<DropTargetSettings> ReadDropTargetSettings(std::span<const std::uint8_t> record);
DropTargetRecord WriteDropTargetSettings(const DropTargetSettings& settings);

}  // namespace batch
