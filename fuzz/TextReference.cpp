#include "fuzz/TextReference.h"

#include <algorithm>

namespace batch::reference {
namespace {

using Index = std::int64_t;  // wide enough for any start position minus one

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsPair(const std::string& text, Index i, CharRule rule) {
  return rule == CharRule::TwoByte && static_cast<unsigned char>(text[i]) >= 0x80;
}

bool MatchesAt(const std::string& searched, Index at, const std::string& sought,
               bool ignoreCase) {
  for (Index j = 0; j < static_cast<Index>(sought.size()); ++j) {
    const char a = searched[at + j];
    const char b = sought[j];
    if (ignoreCase ? Folded(a) != Folded(b) : a != b) return false;
  }
  return true;
}

}  // namespace

std::int32_t Find(const std::string& searched, const std::string& sought,
                  std::optional<std::int32_t> start, bool ignoreCase, CharRule rule,
                  bool reverse) {
  const Index length = static_cast<Index>(searched.size());
  const Index m = static_cast<Index>(sought.size());

  // The scanned area is the bytes [first, end) of the whole text.
  Index first = 0;
  Index end = length;
  if (start && !reverse) first = std::max<Index>(*start, 1) - 1;
  if (start && reverse) end = *start <= 1 ? 0 : std::min<Index>(length, Index{*start} - 1);
  if (first >= end) return -1;
  if (m == 0) return 1;

  std::int32_t result = -1;
  for (Index cursor = first; end - cursor >= m; ++cursor) {
    if (MatchesAt(searched, cursor, sought, ignoreCase)) {
      result = static_cast<std::int32_t>(cursor + 1);
      if (!reverse) return result;
    }
    if (StartsPair(searched, cursor, rule)) {
      if (cursor + 1 == length) return result;  // a first byte right before the terminator
      ++cursor;
    }
  }
  return result;
}

std::string Left(const std::string& text, std::int32_t count) {
  if (count <= 0) return {};
  return text.substr(0, std::min<std::size_t>(count, text.size()));
}

std::string Right(const std::string& text, std::int32_t count) {
  if (count <= 0) return {};
  const std::size_t n = std::min<std::size_t>(count, text.size());
  return text.substr(text.size() - n);
}

std::string Stem(const std::string& path, PathRule rule) {
  // Walk the characters and note where the last separator and the last dot
  // begin; only a dot after every separator starts the suffix.
  std::optional<std::size_t> lastSeparator;
  std::optional<std::size_t> lastDot;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == rule.separator) lastSeparator = i;
    if (path[i] == '.') lastDot = i;
    if (StartsPair(path, static_cast<Index>(i), rule.characters)) ++i;
  }
  if (lastDot && (!lastSeparator || *lastDot > *lastSeparator)) return path.substr(0, *lastDot + 1);
  return path + ".";
}

}  // namespace batch::reference
