#pragma once
// The controls of a described window as Qt widgets: labels, edit boxes and
// drop targets, each a child of its window.

#include <memory>

#include "shell/window/Component.h"

namespace batch {

std::unique_ptr<Component> CreateQtLabel(const ComponentContext& context);
std::unique_ptr<Component> CreateQtEditBox(const ComponentContext& context);

}  // namespace batch
