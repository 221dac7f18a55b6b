#include "shell/window/MainWindow.h"

#include <iterator>

namespace batch {
namespace {

LabelSettings Label(const char* caption, std::int32_t weight, LineBreaking lines) {
  LabelSettings label;
  label.caption = caption;
  label.font.height = -16;
  label.font.weight = weight;
  label.lines = lines;
  return label;
}

ComponentEntry Control(ComponentId id, const char* name, Rect place, TypeSettings settings) {
  ComponentEntry entry;
  entry.id = id;
  entry.name = name;
  entry.place = place;
  entry.visible = true;
  entry.settings = std::move(settings);
  return entry;
}

}  // namespace

WindowDescription MainWindowDescription() {
  WindowSettings window;
  window.caption = kMainWindowCaption;
  window.icon = kProgramIcon;

  ComponentEntry main;
  main.id = kMainWindowId;
  main.place = {0, 0, kMainWindowWidth, kMainWindowHeight};
  main.visible = true;
  main.events = {{kCreatedEvent, kAttachDropTargetHandler}};
  main.settings = window;

  ComponentEntry drop = Control(kDropTargetId, "拖放对象1", {328, 16, 32, 32},
                                RawSettings{{std::begin(kMainDropTargetRecord),
                                             std::end(kMainDropTargetRecord)}});
  drop.visible = false;
  drop.events = {{kGotFileEvent, kRenameDroppedFilesHandler}};

  EditBoxSettings box;
  box.maxBytes = 16;
  ComponentEntry edit = Control(kSuffixBoxId, "编辑框1", {96, 16, 192, 32}, box);
  edit.takesFocus = true;

  return {{
      std::move(main),
      std::move(drop),
      Control(kSuffixLabelId, "标签2", {8, 16, 80, 32},
              Label("新后缀： .", 700, LineBreaking::SingleLineCentred)),
      std::move(edit),
      Control(kHintLabelId, "标签1", {0, 64, 376, 16},
              Label("把文件框选后拖入本窗口，即可修改为上面的后缀。", 400,
                    LineBreaking::WordWrapFromTop)),
  }};
}

}  // namespace batch
