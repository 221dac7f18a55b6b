#pragma once
// How a platform writes its paths: the separator, how the path bytes form
// characters, and whether names that differ only in ASCII letter case are
// one name.

#include "text/Text.h"

namespace batch {

struct PathRule {
  char separator;
  CharRule characters;
  bool namesIgnoreAsciiCase;
};

// Windows: backslash, double-byte ANSI code pages, case-blind names.
inline constexpr PathRule kWindowsPaths{'\\', CharRule::TwoByte, true};
// Linux: slash, and '.' or '/' never occur inside a character.
inline constexpr PathRule kPosixPaths{'/', CharRule::PlainBytes, false};

// The path up to and including the dot that starts its suffix; with no dot
// in the last name, the whole path followed by a dot. Never empty.
Text SuffixStem(TextRef path, PathRule rule = kWindowsPaths);

}  // namespace batch
