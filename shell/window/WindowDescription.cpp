#include "shell/window/WindowDescription.h"

namespace batch {

const std::string* ComponentEntry::HandlerFor(std::int32_t event) const {
  for (const EventBinding& binding : events) {
    if (binding.event == event) return &binding.handler;
  }
  return nullptr;
}

const ComponentEntry* WindowDescription::Find(ComponentId id) const {
  for (const ComponentEntry& entry : entries) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

}  // namespace batch
