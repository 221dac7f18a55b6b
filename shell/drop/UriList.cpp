#include "shell/drop/UriList.h"

#include <optional>

#include "text/Text.h"

namespace batch {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (FoldAsciiCase(text[i]) != prefix[i]) return false;
  }
  return true;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  const char lower = FoldAsciiCase(c);
  if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
  return std::nullopt;
}

// The path part of a local file URI, still percent-encoded.
std::optional<std::string_view> EncodedLocalPath(std::string_view uri) {
  if (!StartsWithIgnoringCase(uri, "file:")) return std::nullopt;
  std::string_view rest = uri.substr(5);
  if (rest.starts_with("//")) {
    rest.remove_prefix(2);
    const std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const std::string_view host = rest.substr(0, slash);
    if (!host.empty() && !(host.size() == 9 && StartsWithIgnoringCase(host, "localhost"))) {
      return std::nullopt;
    }
    rest.remove_prefix(slash);
  }
  // A raw '?' or '#' would start a query or fragment; cutting it off could
  // name another file, so such a URI is not taken at all.
  if (!rest.starts_with('/') || rest.find_first_of("?#") != std::string_view::npos) {
    return std::nullopt;
  }
  return rest;
}

std::optional<std::string> PercentDecoded(std::string_view encoded) {
  std::string path;
  path.reserve(encoded.size());
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    char byte = encoded[i];
    if (byte == '%') {
      if (encoded.size() - i < 3) return std::nullopt;
      const auto high = HexDigit(encoded[i + 1]);
      const auto low = HexDigit(encoded[i + 2]);
      if (!high || !low) return std::nullopt;
      byte = static_cast<char>(*high * 16 + *low);
      i += 2;
      // No name holds a slash: an escaped one would join two names into a
      // path other than the one the source meant.
      if (byte == '/') return std::nullopt;
    }
    if (byte == '\0' || byte == '\r' || byte == '\n') return std::nullopt;
    path.push_back(byte);
  }
  return path;
}

// Some sources mark folders with a trailing slash; the folder is the path
// without it.
void DropTrailingSlashes(std::string& path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
}

}  // namespace

std::vector<std::string> LocalPathsFromUriList(std::string_view uriList) {
  std::vector<std::string> paths;
  while (!uriList.empty()) {
    const std::size_t end = uriList.find('\n');
    std::string_view line = uriList.substr(0, end);
    uriList.remove_prefix(end == std::string_view::npos ? uriList.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.starts_with('#')) continue;

    const auto encoded = EncodedLocalPath(line);
    if (!encoded) continue;
    auto path = PercentDecoded(*encoded);
    if (!path) continue;
    DropTrailingSlashes(*path);
    paths.push_back(std::move(*path));
  }
  return paths;
}

}  // namespace batch
