// One drop through the drop target's decisions: the delivered paths turned
// into the event's text, copied into its buffer and handed to a handler that
// does nothing. Many short paths, and one path of many bytes. (The program's
// main is UriListBench.cpp's.)

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "shell/drop/DropTarget.h"

namespace batch::bench {
namespace {

class DeliveredPaths final : public DraggedData {
 public:
  explicit DeliveredPaths(std::vector<std::string> paths) : paths_(std::move(paths)) {}
  bool Offers(DropKind kind) override { return kind == DropKind::Files; }
  std::optional<Text> ReadText(DropKind) override { return std::nullopt; }
  std::optional<std::vector<Text>> ReadFileList() override {
    std::vector<Text> texts;
    texts.reserve(paths_.size());
    for (const std::string& path : paths_) texts.push_back(Text::FromBytes(path));
    return texts;
  }

 private:
  std::vector<std::string> paths_;
};

class IgnoredEvents final : public DropEvents {
 public:
  void Raise(DropKind, TextRef text) override { benchmark::DoNotOptimize(text.Bytes()); }
};

class NoRegistrar final : public DropRegistrar {
 public:
  bool Register(DropWindow) override { return true; }
};

void RunDrops(benchmark::State& state, std::vector<std::string> paths) {
  std::int64_t bytes = 0;
  for (const std::string& path : paths) bytes += static_cast<std::int64_t>(path.size()) + 2;
  DeliveredPaths data(std::move(paths));
  IgnoredEvents events;
  NoRegistrar registrar;
  DropTargetSettings settings;
  settings.SetSwitch(static_cast<int>(DropKind::Files), true);
  DropTarget target(settings, events, registrar);
  DropEffects effect = kEffectCopy;
  target.DragEnter(data, 0, effect);
  for (auto _ : state) {
    effect = kEffectCopy;
    target.Drop(data, 0, effect);
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_DropManyPaths(benchmark::State& state) {
  std::vector<std::string> paths;
  for (std::int64_t i = 0; i < state.range(0); ++i)
    paths.push_back("C:\\Users\\user\\Pictures\\2019 summer\\photo-" + std::to_string(i) + ".jpeg");
  RunDrops(state, std::move(paths));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_DropManyPaths)->Arg(1)->Arg(1000)->Arg(100000);

void BM_DropOneLongPath(benchmark::State& state) {
  RunDrops(state, {"C:\\" + std::string(static_cast<std::size_t>(state.range(0)), 'x') + ".txt"});
}
BENCHMARK(BM_DropOneLongPath)->Arg(260)->Arg(1 << 16)->Arg(1 << 22);

}  // namespace
}  // namespace batch::bench
