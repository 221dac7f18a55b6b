#pragma once
// A folder of many empty files on a real disk for the rename benchmarks.
// The files are named like "photo-000042.txt"; a benchmark moves them to
// ".png", and PutBack() moves them home again so that each iteration starts
// from the same state. Everything is removed when the folder goes.

#include <cstddef>
#include <string>
#include <vector>

namespace batch::bench {

class BenchFolder {
 public:
  // Under $BATCH_BENCH_DIR, else /var/tmp; refuses tmpfs, whose renames
  // never touch a disk and so would flatter every figure.
  explicit BenchFolder(std::size_t files);
  ~BenchFolder();
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  const std::vector<std::string>& Paths() const { return paths_; }
  const std::vector<std::string>& RenamedPaths() const { return renamed_; }
  // The paths as one drop delivers them: each followed by CR LF.
  std::string FileListText() const;
  // Moves every renamed file back to its first name.
  void PutBack() const;

 private:
  std::string root_;
  std::vector<std::string> paths_;
  std::vector<std::string> renamed_;
};

// One folder per size, made on first use and shared by every benchmark, so
// that all of them rename the very same files.
const BenchFolder& FolderOf(std::size_t files);

}  // namespace batch::bench
