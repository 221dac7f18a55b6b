// What start-up spends on the window description: reading the embedded block
// strictly, against merely copying its bytes, and the whole encoding.

#include <benchmark/benchmark.h>

#include <vector>

#include "shell/window/DescriptionBlock.h"
#include "shell/window/EmbeddedWindowBlock.h"
#include "shell/window/MainWindow.h"

namespace batch {
namespace {

void ReadEmbeddedBlock(benchmark::State& state) {
  const auto block = EmbeddedWindowBlock();
  for (auto _ : state) {
    auto windows = ReadDescriptions(block);
    benchmark::DoNotOptimize(windows);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}
BENCHMARK(ReadEmbeddedBlock);

// The floor: the block's bytes copied once.
void CopyEmbeddedBlock(benchmark::State& state) {
  const auto block = EmbeddedWindowBlock();
  for (auto _ : state) {
    std::vector<std::uint8_t> copy(block.begin(), block.end());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * block.size()));
}
BENCHMARK(CopyEmbeddedBlock);

void EncodeMainWindow(benchmark::State& state) {
  const WindowDescription windows[] = {MainWindowDescription()};
  for (auto _ : state) {
    auto block = EncodeDescriptions(windows);
    benchmark::DoNotOptimize(block.data());
  }
}
BENCHMARK(EncodeMainWindow);

}  // namespace
}  // namespace batch

BENCHMARK_MAIN();
