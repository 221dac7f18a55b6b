#include "shell/drop/FileListText.h"

#include <cstring>
#include <vector>

namespace batch {

Text FileListText(std::span<const Text> paths) {
  if (paths.size() == 1) return CopyText(paths.front());

  // Each path is measured once and copied once: linear in the list's bytes.
  std::vector<std::size_t> lengths;
  lengths.reserve(paths.size());
  std::int64_t total = 0;
  for (const Text& path : paths) {
    lengths.push_back(path.View().size());
    total += static_cast<std::int64_t>(lengths.back()) + 2;
  }
  if (total == 0) return Text();

  return Text::Build(ClaimTextLength(total), [&](char* out) {
    for (std::size_t i = 0; i < paths.size(); ++i) {
      std::memcpy(out, paths[i].Bytes(), lengths[i]);
      out += lengths[i];
      *out++ = '\r';
      *out++ = '\n';
    }
  });
}

}  // namespace batch
