#ifndef _GNU_SOURCE
#define _GNU_SOURCE  // renameat2
#endif
#include "platform/posix/PosixFileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace batch {
namespace {

bool Exists(const char* path) {
  struct stat status;
  return lstat(path, &status) == 0;
}

}  // namespace

bool PosixFileSystem::FileExists(TextRef path) { return Exists(path.Bytes()); }

bool PosixFileSystem::RenameFile(TextRef from, TextRef to) {
  if (renameat2(AT_FDCWD, from.Bytes(), AT_FDCWD, to.Bytes(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  return RenameWithoutReplaceFallback(from.Bytes(), to.Bytes());
}

bool RenameWithoutReplaceFallback(const char* from, const char* to) {
  struct stat source;
  if (lstat(from, &source) != 0) return false;
  if (!S_ISDIR(source.st_mode)) {
    // link() fails with EEXIST rather than replace: atomic for files.
    if (link(from, to) == 0) {
      if (unlink(from) == 0) return true;
      unlink(to);  // leave the one name the file had
      return false;
    }
    if (errno == EEXIST) return false;
  }
  // No atomic way left: make sure the name is free right before the move.
  if (Exists(to)) return false;
  return rename(from, to) == 0;
}

}  // namespace batch
