#include "shell/drop/DropTargetComponent.h"

namespace batch {

std::optional<DropTargetSettings> DropTargetSettingsOf(const ComponentEntry& entry) {
  const auto* record = std::get_if<RawSettings>(&entry.settings);
  if (record == nullptr) return std::nullopt;
  return ReadDropTargetSettings(record->bytes);
}

}  // namespace batch
