#include "platform/win32/MessageBoxNotice.h"

#include <windows.h>

namespace batch {

void MessageBoxNotice::Show(TextRef text, TextRef caption) {
  MessageBoxA(nullptr, text.Bytes(), caption.Bytes(), MB_OK | MB_TASKMODAL);
}

}  // namespace batch
