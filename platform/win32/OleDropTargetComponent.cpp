#include "platform/win32/OleDropTargetComponent.h"

namespace batch {

std::unique_ptr<Component> OleDropTargetComponent::Create(const ComponentContext& context) {
  const std::optional<DropTargetSettings> settings = DropTargetSettingsOf(context.entry);
  if (!settings) return nullptr;
  auto events = std::make_unique<ComponentDropEvents>(context.events, context.entry.id);
  const auto host = reinterpret_cast<HWND>(context.host.Handle());
  return std::make_unique<OleDropTargetComponent>(new OleDropTarget(*settings, std::move(events), host));
}

OleDropTargetComponent::~OleDropTargetComponent() {
  object_->Revoke();
  object_->Release();
}

}  // namespace batch
