#include "platform/qt/QtControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "platform/qt/ByteLimitValidator.h"
#include "platform/qt/QtLook.h"

namespace batch {
namespace {

QWidget* HostWidget(const ComponentContext& context) {
  return reinterpret_cast<QWidget*>(context.host.Handle());
}

Qt::Alignment HorizontalAlignment(HorizontalAlign align) {
  switch (align) {
    case HorizontalAlign::Centre: return Qt::AlignHCenter;
    case HorizontalAlign::Right: return Qt::AlignRight;
    case HorizontalAlign::Left: break;
  }
  return Qt::AlignLeft;
}

// A control's widget, created hidden in its place; it goes with the control.
class QtControl : public Component {
 public:
  QtControl(QWidget* widget, const ComponentEntry& entry) : widget_(widget) {
    const Rect& place = entry.place;
    widget->setGeometry(place.left, place.top, place.width, place.height);
    widget->setEnabled(!entry.disabled);
    widget->hide();
  }
  ~QtControl() override { delete widget_.data(); }

  NativeHandle Handle() const override { return reinterpret_cast<NativeHandle>(widget_.data()); }
  void Show() override { widget_->show(); }
  void Hide() override { widget_->hide(); }

 protected:
  QPointer<QWidget> widget_;
};

class QtEditBox final : public QtControl {
 public:
  QtEditBox(QLineEdit* edit, const ComponentEntry& entry) : QtControl(edit, entry), edit_(edit) {}
  Text ReadText() override { return Text::FromBytes(edit_->text().toLocal8Bit().toStdString()); }

 private:
  QLineEdit* edit_;
};

}  // namespace

std::unique_ptr<Component> CreateQtLabel(const ComponentContext& context) {
  const auto& settings = std::get<LabelSettings>(context.entry.settings);
  auto* label = new QLabel(QString::fromLocal8Bit(settings.caption), HostWidget(context));
  label->setFont(FontOf(settings.font));
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, ColourOf(settings.text));
  palette.setColor(QPalette::Window, ColourOf(settings.background));
  label->setPalette(palette);
  label->setAutoFillBackground(true);
  label->setFrameShape(settings.border ? QFrame::Box : QFrame::NoFrame);
  const bool wraps = settings.lines == LineBreaking::WordWrapFromTop;
  label->setWordWrap(wraps);
  label->setAlignment(HorizontalAlignment(settings.align) | (wraps ? Qt::AlignTop : Qt::AlignVCenter));
  return std::make_unique<QtControl>(label, context.entry);
}

std::unique_ptr<Component> CreateQtEditBox(const ComponentContext& context) {
  const auto& settings = std::get<EditBoxSettings>(context.entry.settings);
  auto* edit = new QLineEdit(QString::fromLocal8Bit(settings.text), HostWidget(context));
  if (settings.hasFont) edit->setFont(FontOf(settings.font));
  edit->setFrame(settings.clientEdge);
  edit->setAlignment(HorizontalAlignment(settings.align) | Qt::AlignVCenter);
  edit->setReadOnly(settings.readOnly);
  edit->setEchoMode(settings.password ? QLineEdit::Password : QLineEdit::Normal);
  if (settings.maxBytes > 0) edit->setValidator(new ByteLimitValidator(settings.maxBytes, edit));
  // Drags over the box belong to the window's drop target, as on Windows,
  // where the box registers no drop target of its own.
  edit->setAcceptDrops(false);
  edit->setFocusPolicy(context.entry.takesFocus ? Qt::StrongFocus : Qt::NoFocus);

  QPalette palette = edit->palette();
  palette.setColor(QPalette::Text, ColourOf(settings.textColour));
  palette.setColor(QPalette::Base, ColourOf(settings.background));
  if (settings.hideSelection) {
    // Out of focus the selection stays but is not shown.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
  }
  edit->setPalette(palette);
  return std::make_unique<QtEditBox>(edit, context.entry);
}

}  // namespace batch
