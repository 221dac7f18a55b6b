#pragma once
// Linux files: an entry exists when lstat finds it (a dangling symbolic link
// too; '*' and '?' are ordinary name characters), and a move never replaces
// an entry that is already there.

#include "rename/FileSystem.h"

namespace batch {

class PosixFileSystem final : public FileSystem {
 public:
  bool FileExists(TextRef path) override;
  bool RenameFile(TextRef from, TextRef to) override;
};

// The move for file systems that refuse RENAME_NOREPLACE: link + unlink for
// files, a rename guarded by a fresh lstat for directories (which cannot be
// hard-linked). Public so that it can be tested on any file system.
bool RenameWithoutReplaceFallback(const char* from, const char* to);

}  // namespace batch
