// A big Linux drop before any file is touched: the uri-list bytes turned into
// local paths and then into the FileListText that the renaming reads.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "shell/drop/FileListText.h"
#include "shell/drop/UriList.h"

namespace batch::bench {
namespace {

// `count` URIs as a file manager writes them: long folders, escaped spaces
// and UTF-8 names.
std::string UriListOf(int count) {
  std::string list;
  for (int i = 0; i < count; ++i) {
    list += "file:///home/user/Pictures/2019%20summer/%E5%9B%BE%E7%89%87-" + std::to_string(i) + ".jpeg\r\n";
  }
  return list;
}

void BM_UriListToFileListText(benchmark::State& state) {
  const std::string list = UriListOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::vector<Text> paths;
    for (const std::string& path : LocalPathsFromUriList(list)) paths.push_back(Text::FromBytes(path));
    const Text text = FileListText(paths);
    benchmark::DoNotOptimize(text.Bytes());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(list.size()));
}
BENCHMARK(BM_UriListToFileListText)->Arg(1)->Arg(1000)->Arg(100000);

}  // namespace
}  // namespace batch::bench

BENCHMARK_MAIN();
