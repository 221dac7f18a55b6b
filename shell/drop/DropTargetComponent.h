#pragma once
// A drop target as one of a window's components: the platform makes it from
// its entry, and its events go out through the window shell's delivery,
// numbered as the kinds are.

#include "shell/drop/DropTarget.h"
#include "shell/window/Component.h"

namespace batch {

// The switches stored with a drop target's entry; nothing when they cannot be
// read, and the component then cannot be made.
std::optional<DropTargetSettings> DropTargetSettingsOf(const ComponentEntry& entry);

class DropTargetComponent : public Component {
 public:
  virtual DropTarget& Target() = 0;
};

class ComponentDropEvents final : public DropEvents {
 public:
  ComponentDropEvents(EventSink& sink, ComponentId component) : sink_(sink), component_(component) {}
  void Raise(DropKind kind, TextRef text) override {
    sink_.DeliverEvent(component_, static_cast<std::int32_t>(kind), text);
  }

 private:
  EventSink& sink_;
  ComponentId component_;
};

}  // namespace batch
