#pragma once
// Qt's drag-and-drop in the terms of the portable drop target: the dragged
// QMimeData, Qt's actions and modifiers as effects and keys, and the widget
// that receives the drags once it is registered.

#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "shell/drop/DropTargetComponent.h"

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
class QtDropTargetComponent final : public DropTargetComponent, DropRegistrar {
 public:
  // Nothing when the stored settings cannot be read: the build then fails.
  static std::unique_ptr<Component> Create(const ComponentContext& context);
  QtDropTargetComponent(const DropTargetSettings& settings, EventSink& sink, ComponentId id)
      : events_(sink, id), target_(settings, events_, *this) {}
  DropTarget& Target() override { return target_; }

 private:
  bool Register(DropWindow window) override;

  ComponentDropEvents events_;
  DropTarget target_;
  std::unique_ptr<QtDropReceiver> receiver_;
};

}  // namespace batch
