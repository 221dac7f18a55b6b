#pragma once
// The component of a DropTarget entry on Windows: an OLE drop target made from
// the entry's settings record, whose events go out through the window shell.
// It goes with its window, and takes the window's drop registration with it.

#include <memory>

#include "platform/win32/OleDropTarget.h"
#include "shell/drop/DropTargetComponent.h"

namespace batch {

class OleDropTargetComponent final : public DropTargetComponent {
 public:
  // Nothing when the settings record cannot be read: the build then fails.
  static std::unique_ptr<Component> Create(const ComponentContext& context);
  // Withdraws the host window's registration, then drops the creator's
  // reference; the platform may hold the object a little longer.
  ~OleDropTargetComponent() override;
  OleDropTargetComponent(const OleDropTargetComponent&) = delete;
  OleDropTargetComponent& operator=(const OleDropTargetComponent&) = delete;

  explicit OleDropTargetComponent(OleDropTarget* object) : object_(object) {}
  DropTarget& Target() override { return object_->Logic(); }
  OleDropTarget& Object() { return *object_; }

 private:
  OleDropTarget* object_;
};

}  // namespace batch
