// Replays saved fuzz inputs through the same check, without libFuzzer, so
// that the ordinary test run keeps every finding fixed. Arguments are files
// or folders of files.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/TextOperationsCheck.h"

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  batch::CheckTextOperations(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path argument(argv[i]);
    if (std::filesystem::is_directory(argument)) {
      for (const auto& entry : std::filesystem::directory_iterator(argument)) {
        Replay(entry.path());
        ++replayed;
      }
    } else {
      Replay(argument);
      ++replayed;
    }
  }
  std::printf("replayed %d inputs, all agree\n", replayed);
  // An empty corpus proves nothing.
  return replayed > 0 ? 0 : 1;
}
