#include "platform/qt/QtDrop.h"

#include <QDragMoveEvent>
#include <QDropEvent>

#include "shell/drop/UriList.h"

namespace batch {

bool QtDraggedData::Offers(DropKind kind) {
  return kind == DropKind::Files && data_.hasFormat(kUriListType);
}

std::optional<Text> QtDraggedData::ReadText(DropKind) { return std::nullopt; }

std::optional<std::vector<Text>> QtDraggedData::ReadFileList() {
  if (!data_.hasFormat(kUriListType)) return std::nullopt;
  // The raw bytes, not QMimeData::urls(): names that are not UTF-8 must
  // keep their exact bytes.
  const QByteArray list = data_.data(kUriListType);
  std::vector<Text> paths;
  for (const std::string& path : LocalPathsFromUriList({list.constData(), static_cast<std::size_t>(list.size())})) {
    paths.push_back(Text::FromBytes(path));
  }
  return paths;
}

DropKeys DropKeysOf(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ControlModifier ? kKeyControl : 0) | (modifiers & Qt::ShiftModifier ? kKeyShift : 0);
}

DropEffects DropEffectsOf(Qt::DropActions actions) {
  return (actions & Qt::CopyAction ? kEffectCopy : 0) | (actions & Qt::MoveAction ? kEffectMove : 0) |
         (actions & Qt::LinkAction ? kEffectLink : 0);
}

Qt::DropAction DropActionOf(DropEffects effect) {
  switch (effect) {
    case kEffectCopy: return Qt::CopyAction;
    case kEffectMove: return Qt::MoveAction;
    case kEffectLink: return Qt::LinkAction;
    default: return Qt::IgnoreAction;
  }
}

QtDropReceiver::QtDropReceiver(QWidget& widget, DropTarget& target) : widget_(&widget), target_(target) {
  widget.setAcceptDrops(true);
  widget.installEventFilter(this);
}

QtDropReceiver::~QtDropReceiver() {
  if (widget_ == nullptr) return;
  widget_->removeEventFilter(this);
  widget_->setAcceptDrops(false);
}

bool QtDropReceiver::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto& drag = static_cast<QDragMoveEvent&>(*event);
      DropEffects effect = DropEffectsOf(drag.possibleActions());
      if (event->type() == QEvent::DragEnter) {
        QtDraggedData data(*drag.mimeData());
        target_.DragEnter(data, DropKeysOf(drag.modifiers()), effect);
      } else {
        target_.DragOver(DropKeysOf(drag.modifiers()), effect);
      }
      drag.setDropAction(DropActionOf(effect));
      // A drag of a file list is taken in on entry even while its keys choose
      // nothing, so that the moves keep coming and other keys still can.
      const bool entering = event->type() == QEvent::DragEnter;
      drag.setAccepted(entering ? target_.Accepting() : effect != kEffectNone);
      return true;
    }
    case QEvent::DragLeave:
      target_.DragLeave();
      return true;
    case QEvent::Drop: {
      auto& drop = static_cast<QDropEvent&>(*event);
      QtDraggedData data(*drop.mimeData());
      DropEffects effect = DropEffectsOf(drop.possibleActions());
      target_.Drop(data, DropKeysOf(drop.modifiers()), effect);
      drop.setDropAction(Qt::IgnoreAction);
      drop.ignore();
      return true;
    }
    default:
      return false;
  }
}

std::unique_ptr<Component> QtDropTargetComponent::Create(const ComponentContext& context) {
  const std::optional<DropTargetSettings> settings = DropTargetSettingsOf(context.entry);
  if (!settings) return nullptr;
  return std::make_unique<QtDropTargetComponent>(*settings, context.events, context.entry.id);
}

bool QtDropTargetComponent::Register(DropWindow window) {
  auto* widget = reinterpret_cast<QWidget*>(window);
  if (widget == nullptr) return false;
  receiver_ = std::make_unique<QtDropReceiver>(*widget, target_);
  return true;
}

}  // namespace batch
