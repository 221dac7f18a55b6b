#pragma once
// The tool's one window: its identifiers, the names of the handlers its
// description binds, and the description itself.

#include <cstdint>

#include "shell/window/WindowDescription.h"

namespace batch {

inline constexpr ComponentId kMainWindowId = 1;
inline constexpr ComponentId kDropTargetId = 2;   // 拖放对象1
inline constexpr ComponentId kSuffixLabelId = 3;  // 标签2
inline constexpr ComponentId kSuffixBoxId = 4;    // 编辑框1
inline constexpr ComponentId kHintLabelId = 5;    // 标签1

inline constexpr const char* kAttachDropTargetHandler = "AttachDropTarget";
inline constexpr const char* kRenameDroppedFilesHandler = "RenameDroppedFiles";

inline constexpr const char* kMainWindowCaption = "批量修改文件后缀";
inline constexpr const char* kProgramIcon = "DEFAULT_ICON";
inline constexpr std::int32_t kMainWindowWidth = 379;
inline constexpr std::int32_t kMainWindowHeight = 121;

// The drop target's settings record: version 1, only file lists accepted.
inline constexpr std::uint8_t kMainDropTargetRecord[20] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                           0, 0, 0, 0, 0, 0, 1, 0, 0, 0};

WindowDescription MainWindowDescription();

}  // namespace batch
