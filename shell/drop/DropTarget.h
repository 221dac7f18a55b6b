#pragma once
// The decisions of a drop target, apart from any platform: which dragged data
// it takes, with which effect, and which events a drop raises. Adapters turn
// the platform's notifications into calls of these methods.

#include <cstdint>
#include <optional>
#include <vector>

#include "shell/drop/DropTargetSettings.h"
#include "shell/drop/EffectRule.h"
#include "text/Text.h"

namespace batch {

// The platform's identity of a window; 0 for none.
using DropWindow = std::uintptr_t;

// The data being dragged, as the platform offers and delivers it.
class DraggedData {
 public:
  virtual ~DraggedData() = default;
  // Whether the data says it has this kind; asks nothing else.
  virtual bool Offers(DropKind kind) = 0;
  // The delivered bytes of a text-like kind (Text, Html, Url); nothing when
  // the data does not deliver them.
  virtual std::optional<Text> ReadText(DropKind kind) = 0;
  // The full paths of a delivered file list, in the list's order.
  virtual std::optional<std::vector<Text>> ReadFileList() = 0;
};

// Hands one event to its bound handler, if any, and returns when it is done.
// The event number is the kind's number; `text` is lent for the call only.
class DropEvents {
 public:
  virtual ~DropEvents() = default;
  virtual void Raise(DropKind kind, TextRef text) = 0;
};

// The platform's registration of a window as a drop receiver.
class DropRegistrar {
 public:
  virtual ~DropRegistrar() = default;
  virtual bool Register(DropWindow window) = 0;
};

class DropTarget {
 public:
  DropTarget(const DropTargetSettings& settings, DropEvents& events, DropRegistrar& registrar)
      : settings_(settings), events_(events), registrar_(registrar) {}

  // Only the first call asks the platform; the window is kept even when the
  // platform refuses, so every later call is false.
  bool RegisterDropWindow(DropWindow window);
  DropWindow RegisteredWindow() const { return registered_; }

  // The notifications of one drag; `effect` is in/out as in EffectRule.
  // The kinds are tested once, on entry, and that answer holds for the drag.
  void DragEnter(DraggedData& data, DropKeys keys, DropEffects& effect);
  void DragOver(DropKeys keys, DropEffects& effect);
  void DragLeave();
  // Raises one event per switched-on kind that is delivered, each finished
  // before the next kind is read. The drop is never reported as taken.
  void Drop(DraggedData& data, DropKeys keys, DropEffects& effect);

  bool Accepting() const { return accepting_; }
  DropTargetSettings& Settings() { return settings_; }

 private:
  // Copies the text into a buffer of exactly its length plus one, which is
  // released as soon as the handler is done.
  void Raise(DropKind kind, TextRef text);
  void ReadAndRaise(DraggedData& data, DropKind kind);

  DropTargetSettings settings_;
  DropEvents& events_;
  DropRegistrar& registrar_;
  DropWindow registered_ = 0;
  bool accepting_ = false;
};

}  // namespace batch
