#include "shell/drop/DropTarget.h"

#include <cstring>

#include "shell/drop/FileListText.h"

namespace batch {
namespace {

// The order in which a drag's data is tested on entry...
constexpr DropKind kTestOrder[] = {DropKind::Text, DropKind::Files, DropKind::Url, DropKind::Html};
// ...and the order in which a drop reads it and raises the events.
constexpr DropKind kRaiseOrder[] = {DropKind::Text, DropKind::Html, DropKind::Url, DropKind::Files};

}  // namespace

bool DropTarget::RegisterDropWindow(DropWindow window) {
  if (registered_ != 0) return false;
  registered_ = window;
  return registrar_.Register(window);
}

void DropTarget::DragEnter(DraggedData& data, DropKeys keys, DropEffects& effect) {
  accepting_ = false;
  for (DropKind kind : kTestOrder) {
    if (settings_.Accepts(kind) && data.Offers(kind)) {
      accepting_ = true;
      break;
    }
  }
  EffectRule(accepting_, keys, effect);
}

void DropTarget::DragOver(DropKeys keys, DropEffects& effect) { EffectRule(accepting_, keys, effect); }

void DropTarget::DragLeave() { accepting_ = false; }

void DropTarget::Drop(DraggedData& data, DropKeys keys, DropEffects& effect) {
  if (!EffectRule(accepting_, keys, effect)) return;
  for (DropKind kind : kRaiseOrder)
    if (settings_.Accepts(kind)) ReadAndRaise(data, kind);
}

void DropTarget::ReadAndRaise(DraggedData& data, DropKind kind) {
  if (kind != DropKind::Files) {
    if (std::optional<Text> text = data.ReadText(kind)) Raise(kind, *text);
    return;
  }
  if (std::optional<std::vector<Text>> paths = data.ReadFileList())
    Raise(kind, FileListText(*paths));
}

void DropTarget::Raise(DropKind kind, TextRef text) {
  const std::int32_t length = TextLength(text);
  const Text buffer = Text::Build(length, [&](char* out) { std::memcpy(out, text.Bytes(), length); });
  events_.Raise(kind, buffer);
}

}  // namespace batch
