#pragma once
// The two file-system questions the renaming asks, answered by the platform.

#include "text/Text.h"

namespace batch {

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // True when an entry of that name is there (a directory counts too).
  virtual bool FileExists(TextRef path) = 0;
  // Moves one path to another, never over an existing entry; true on success.
  virtual bool RenameFile(TextRef from, TextRef to) = 0;
};

}  // namespace batch
