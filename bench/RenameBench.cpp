// The whole drop against the bare system calls it cannot do without, on the
// same real files: how much the handler costs on top of the renames, and
// how much text storage a drop holds at its peak beyond its list.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

#include "bench/BenchFolder.h"
#include "bench/PeakTextStorage.h"
#include "platform/posix/PosixFileSystem.h"
#include "rename/RenameDroppedFiles.h"

namespace batch::bench {
namespace {

class FixedSuffix final : public SuffixSource {
 public:
  Text ReadSuffix() override { return Text::FromBytes("png"); }
};

class RecordedNotice final : public CompletionNotice {
 public:
  void Show(TextRef text, TextRef) override { text_ = text.View(); }
  bool AllRenamed() const { return text_ == "改名完毕！"; }

 private:
  std::string text_;
};

// Seconds per file, shown in the table as e.g. "13.1u".
benchmark::Counter PerFile(std::size_t files) {
  return benchmark::Counter(static_cast<double>(files),
                            benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Puts the files back after each iteration, outside the measured time. An
// iteration that left files unrenamed measured something else: it ends the
// benchmark with an error.
bool StartOver(benchmark::State& state, const BenchFolder& folder, bool allRenamed) {
  if (!allRenamed) {
    folder.PutBack();
    state.SkipWithError("some files were not renamed");
    return false;
  }
  state.PauseTiming();
  folder.PutBack();
  state.ResumeTiming();
  return true;
}

void BM_RenameDrop(benchmark::State& state) {
  const BenchFolder& folder = FolderOf(static_cast<std::size_t>(state.range(0)));
  const std::string list = folder.FileListText();
  PosixFileSystem files;
  FixedSuffix suffix;
  RecordedNotice notice;
  std::size_t peak = 0;
  for (auto _ : state) {
    PeakTextStorage storage;
    RenameDroppedFiles(list.c_str(), {files, suffix, notice, kPosixPaths});
    peak = storage.Peak();
    if (!StartOver(state, folder, notice.AllRenamed())) return;
  }
  const double listBytes = static_cast<double>(list.size() + 1);
  state.counters["file"] = PerFile(folder.Paths().size());
  state.counters["list_bytes"] = listBytes;
  state.counters["peak_text_bytes"] = static_cast<double>(peak);
  state.counters["peak_per_list"] = static_cast<double>(peak) / listBytes;
}

void BM_SyscallFloor(benchmark::State& state) {
  const BenchFolder& folder = FolderOf(static_cast<std::size_t>(state.range(0)));
  const auto& from = folder.Paths();
  const auto& to = folder.RenamedPaths();
  for (auto _ : state) {
    std::size_t failures = 0;
    for (std::size_t i = 0; i < from.size(); ++i) {
      struct stat status;
      if (lstat(to[i].c_str(), &status) == 0) ++failures;
      if (renameat2(AT_FDCWD, from[i].c_str(), AT_FDCWD, to[i].c_str(), RENAME_NOREPLACE) != 0) ++failures;
    }
    if (!StartOver(state, folder, failures == 0)) return;
  }
  state.counters["file"] = PerFile(from.size());
}

BENCHMARK(BM_RenameDrop)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SyscallFloor)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace batch::bench

BENCHMARK_MAIN();
