#include "shell/drop/DropTargetSettings.h"

namespace batch {
namespace {

constexpr std::size_t kFieldSize = 4;

std::uint32_t ReadField(std::span<const std::uint8_t> record, std::size_t index) {
  std::uint32_t value = 0;
  for (std::size_t byte = kFieldSize; byte-- > 0;)
    value = value << 8 | record[index * kFieldSize + byte];
  return value;
}

void WriteField(DropTargetRecord& record, std::size_t index, std::uint32_t value) {
  for (std::size_t byte = 0; byte < kFieldSize; ++byte, value >>= 8)
    record[index * kFieldSize + byte] = static_cast<std::uint8_t>(value & 0xFF);
}

bool IsSwitchNumber(int number) { return number >= 0 && number < kDropKindCount; }

}  // namespace

bool DropTargetSettings::Switch(int number) const {
  return IsSwitchNumber(number) && accept[number];
}

void DropTargetSettings::SetSwitch(int number, bool on) {
  if (IsSwitchNumber(number)) accept[number] = on;
}

std::optional<DropTargetSettings> ReadDropTargetSettings(std::span<const std::uint8_t> record) {
  DropTargetSettings settings;
  if (record.empty()) return settings;
  if (record.size() < kDropTargetRecordSize) return std::nullopt;
  if (ReadField(record, 0) > 1) return std::nullopt;
  for (int number = 0; number < kDropKindCount; ++number)
    settings.accept[number] = ReadField(record, 1 + number) != 0;
  return settings;
}

DropTargetRecord WriteDropTargetSettings(const DropTargetSettings& settings) {
  DropTargetRecord record{};
  WriteField(record, 0, 1);
  for (int number = 0; number < kDropKindCount; ++number)
    WriteField(record, 1 + number, settings.accept[number] ? 1 : 0);
  return record;
}

}  // namespace batch
