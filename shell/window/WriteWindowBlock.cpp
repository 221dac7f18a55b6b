// write-window-block FILE: writes the main window's description block, as
// this build encodes its texts, to FILE.

#include <cstdio>

#include "shell/window/DescriptionBlock.h"
#include "shell/window/MainWindow.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write-window-block FILE\n");
    return 2;
  }
  const batch::WindowDescription windows[] = {batch::MainWindowDescription()};
  const auto block = batch::EncodeDescriptions(windows);
  std::FILE* out = std::fopen(argv[1], "wb");
  if (out == nullptr) return 1;
  const bool written = std::fwrite(block.data(), 1, block.size(), out) == block.size();
  return std::fclose(out) == 0 && written ? 0 : 1;
}
