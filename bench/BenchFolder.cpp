#include "bench/BenchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <linux/magic.h>
#include <map>
#include <memory>
#include <stdexcept>
#include <sys/vfs.h>
#include <unistd.h>

namespace batch::bench {
namespace {

std::string BaseFolder() {
  const char* chosen = std::getenv("BATCH_BENCH_DIR");
  return chosen != nullptr && *chosen != '\0' ? chosen : "/var/tmp";
}

std::string NewFolderOnDisk() {
  std::string pattern = BaseFolder() + "/rename-bench-XXXXXX";
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
  struct statfs disk;
  if (statfs(pattern.c_str(), &disk) != 0 || disk.f_type == TMPFS_MAGIC) {
    rmdir(pattern.c_str());
    throw std::runtime_error(pattern + " is not on a disk; set BATCH_BENCH_DIR");
  }
  return pattern;
}

void MakeEmptyFile(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) throw std::runtime_error("cannot create " + path);
  close(fd);
}

}  // namespace

BenchFolder::BenchFolder(std::size_t files) : root_(NewFolderOnDisk()) {
  paths_.reserve(files);
  renamed_.reserve(files);
  for (std::size_t i = 0; i < files; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "/photo-%06zu.", i);
    const std::string stem = root_ + name;
    paths_.push_back(stem + "txt");
    renamed_.push_back(stem + "png");
    MakeEmptyFile(paths_.back());
  }
  // Write the new files out now, so that whichever benchmark comes first
  // does not pay for their creation.
  const int folder = open(root_.c_str(), O_RDONLY | O_DIRECTORY);
  syncfs(folder);
  close(folder);
}

BenchFolder::~BenchFolder() {
  for (std::size_t i = 0; i < paths_.size(); ++i) {
    unlink(paths_[i].c_str());
    unlink(renamed_[i].c_str());
  }
  rmdir(root_.c_str());
}

std::string BenchFolder::FileListText() const {
  std::string list;
  for (const std::string& path : paths_) list += path + "\r\n";
  return list;
}

void BenchFolder::PutBack() const {
  // Files that were never renamed simply stay where they are.
  for (std::size_t i = 0; i < paths_.size(); ++i) rename(renamed_[i].c_str(), paths_[i].c_str());
}

const BenchFolder& FolderOf(std::size_t files) {
  static std::map<std::size_t, std::unique_ptr<BenchFolder>> folders;
  auto& folder = folders[files];
  if (!folder) folder = std::make_unique<BenchFolder>(files);
  return *folder;
}

}  // namespace batch::bench
