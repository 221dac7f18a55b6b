#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

namespace batch {

bool Win32FileSystem::FileExists(TextRef path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.Bytes(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool Win32FileSystem::RenameFile(TextRef from, TextRef to) {
  return MoveFileA(from.Bytes(), to.Bytes()) != FALSE;
}

}  // namespace batch
