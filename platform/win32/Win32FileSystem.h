#pragma once
// Windows files through the ANSI API: the existence test is a directory
// search (so '*' and '?' act as patterns) and the move is MoveFileA, which
// never replaces an existing file or directory.

#include "rename/FileSystem.h"

namespace batch {

class Win32FileSystem final : public FileSystem {
 public:
  bool FileExists(TextRef path) override;
  bool RenameFile(TextRef from, TextRef to) override;
};

}  // namespace batch
