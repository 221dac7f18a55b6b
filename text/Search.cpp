// FindText and FindTextReverse: one forward scan that either stops at the
// first match or remembers the last one.
//
// The scan never measures the text beforehand; it stops where a comparison
// meets the terminator. A forward search therefore costs only as much as the
// bytes up to its match, which keeps a walk through a long list linear.

#include <cstddef>

#include "text/Text.h"

namespace batch {
namespace {

enum class Direction { Forward, Reverse };

enum class Compare { Match, Mismatch, OutOfBytes };

Compare CompareAt(const unsigned char* at, const unsigned char* sought, std::ptrdiff_t m,
                  bool ignoreCase) {
  for (std::ptrdiff_t j = 0; j < m; ++j) {
    if (at[j] == 0) return Compare::OutOfBytes;
    const bool equal = ignoreCase ? FoldAsciiCase(at[j]) == FoldAsciiCase(sought[j]) : at[j] == sought[j];
    if (!equal) return Compare::Mismatch;
  }
  return Compare::Match;
}

std::int32_t Search(TextRef searchedText, TextRef soughtText, std::optional<std::int32_t> start,
                    bool ignoreCase, CharRule rule, Direction direction) {
  const auto* searched = reinterpret_cast<const unsigned char*>(searchedText.Bytes());
  const auto* sought = reinterpret_cast<const unsigned char*>(soughtText.Bytes());
  const auto m = static_cast<std::ptrdiff_t>(std::strlen(soughtText.Bytes()));

  // The scanned area: [first, limit), where no limit means "to the terminator".
  std::ptrdiff_t first = 0;
  std::optional<std::ptrdiff_t> limit;
  if (start && direction == Direction::Forward) {
    const std::ptrdiff_t k = *start < 1 ? 1 : *start;
    if (static_cast<std::ptrdiff_t>(strnlen(searchedText.Bytes(), k)) < k) return -1;
    first = k - 1;
  } else if (start) {
    if (*start <= 1) return -1;
    limit = static_cast<std::ptrdiff_t>(strnlen(searchedText.Bytes(), *start - 1));
  }
  const bool areaEmpty = limit ? *limit == 0 : searched[first] == 0;
  if (areaEmpty) return -1;
  if (m == 0) return 1;

  std::int32_t result = -1;
  for (std::ptrdiff_t cursor = first;; ++cursor) {
    if (limit && *limit - cursor < m) break;
    const Compare compare = CompareAt(searched + cursor, sought, m, ignoreCase);
    if (compare == Compare::OutOfBytes) break;
    if (compare == Compare::Match) {
      result = static_cast<std::int32_t>(cursor + 1);
      if (direction == Direction::Forward) return result;
    }
    if (StartsTwoByteCharacter(searched[cursor], rule)) {
      // A first byte right before the terminator ends the scan.
      if (searched[cursor + 1] == 0) break;
      ++cursor;
    }
  }
  return result;
}

}  // namespace

std::int32_t FindText(TextRef searched, TextRef sought, std::optional<std::int32_t> start,
                      bool ignoreCase, CharRule rule) {
  return Search(searched, sought, start, ignoreCase, rule, Direction::Forward);
}

std::int32_t FindTextReverse(TextRef searched, TextRef sought, std::optional<std::int32_t> start,
                             bool ignoreCase, CharRule rule) {
  return Search(searched, sought, start, ignoreCase, rule, Direction::Reverse);
}

}  // namespace batch
