#include "text/PathRule.h"

namespace batch {

Text SuffixStem(TextRef path, PathRule rule) {
  const char separator[] = {rule.separator, '\0'};
  const std::int32_t lastSeparator = FindTextReverse(path, separator, std::nullopt, false, rule.characters);
  const std::int32_t lastDot = FindTextReverse(path, ".", std::nullopt, false, rule.characters);
  // Absent is -1, below every position: a dot counts only after the last separator.
  if (lastDot > lastSeparator) return TextLeft(path, lastDot);
  return ConcatText(path, ".");
}

}  // namespace batch
