#pragma once
// Qt's drag-and-drop in the terms of the portable drop target: the dragged
// QMimeData, Qt's actions and modifiers as effects and keys, and the widget
// that receives the drags once it is registered.

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "shell/drop/DropTarget.h"
#include "shell/window/Component.h"

namespace batch {

// The MIME type of a Linux file list.
inline constexpr const char* kUriListType = "text/uri-list";

// Only file lists are known on Linux; the other kinds are never offered.
class QtDraggedData final : public DraggedData {
 public:
  explicit QtDraggedData(const QMimeData& data) : data_(data) {}
  bool Offers(DropKind kind) override;
  std::optional<Text> ReadText(DropKind kind) override;
  std::optional<std::vector<Text>> ReadFileList() override;

 private:
  const QMimeData& data_;
};

DropKeys DropKeysOf(Qt::KeyboardModifiers modifiers);
DropEffects DropEffectsOf(Qt::DropActions actions);
Qt::DropAction DropActionOf(DropEffects effect);

// Hands the drags over one widget to a drop target. The answer to a drop is
// always "not taken", so a source never deletes the originals after a move.
class QtDropReceiver final : public QObject {
 public:
  QtDropReceiver(QWidget& widget, DropTarget& target);
  ~QtDropReceiver() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> widget_;
  DropTarget& target_;
};

// The drop target control: nothing of it is shown. Once registered with a
// window's handle, that window receives drags until the control goes.
class QtDropTargetControl final : public Component, DropRegistrar, DropEvents {
 public:
  QtDropTargetControl(const DropTargetSettings& settings, ComponentId id, EventSink& events)
      : id_(id), events_(events), target_(settings, *this, *this) {}
  DropTarget& Target() { return target_; }

 private:
  bool Register(DropWindow window) override;
  void Raise(DropKind kind, TextRef text) override;

  ComponentId id_;
  EventSink& events_;
  DropTarget target_;
  std::unique_ptr<QtDropReceiver> receiver_;
};

// nullptr when the stored settings cannot be read.
std::unique_ptr<QtDropTargetControl> CreateQtDropTarget(const ComponentContext& context);

}  // namespace batch
