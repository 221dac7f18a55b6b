#include "rename/RenameDroppedFiles.h"

#include <cstdio>

namespace batch {
namespace {

// Equal but for the case of ASCII letters; second bytes of two-byte
// characters must match exactly, as they are not letters.
bool SameNameIgnoringAsciiCase(TextRef a, TextRef b, CharRule rule) {
  const auto* x = reinterpret_cast<const unsigned char*>(a.Bytes());
  const auto* y = reinterpret_cast<const unsigned char*>(b.Bytes());
  for (;; ++x, ++y) {
    if (FoldAsciiCase(*x) != FoldAsciiCase(*y)) return false;
    if (*x == 0) return true;
    if (StartsTwoByteCharacter(*x, rule)) {
      ++x, ++y;
      if (*x != *y) return false;
      if (*x == 0) return true;
    }
  }
}

}  // namespace

RenameOutcome RenameOne(TextRef current, TextRef suffix, FileSystem& files, PathRule paths) {
  if (current.IsEmpty()) return RenameOutcome::NotAPath;

  Text stem = SuffixStem(current, paths);
  Text target = ConcatText(stem, suffix);
  // The file itself is not a collision: a path that already carries the
  // suffix would otherwise be pushed to "name..suffix".
  if (target.View() == current.View()) return RenameOutcome::AlreadyNamed;

  // Where names ignore case, a change of case alone is a move onto itself.
  const bool caseOnly =
      paths.namesIgnoreAsciiCase && SameNameIgnoringAsciiCase(target, current, paths.characters);
  if (!caseOnly) {
    while (files.FileExists(target)) {
      stem = ConcatText(stem, ".");
      target = ConcatText(stem, suffix);
    }
  }
  return files.RenameFile(current, target) ? RenameOutcome::Renamed : RenameOutcome::Failed;
}

Text CompletionText(std::int32_t failures) {
  if (failures == 0) return Text::FromBytes("改名完毕！");
  char text[96];
  std::snprintf(text, sizeof text, "改名完毕！\r\n其中 %d 个未能改名。", static_cast<int>(failures));
  return Text::FromBytes(text);
}

void RenameDroppedFiles(TextRef received, const RenameContext& context) {
  const Text list = CopyText(received);
  const Text suffix = context.suffix.ReadSuffix();
  std::int32_t failures = 0;
  auto renameOne = [&](TextRef current) {
    if (RenameOne(current, suffix, context.files, context.paths) == RenameOutcome::Failed) ++failures;
  };

  // The list is walked once: `rest` points into it, past the paths handled,
  // so nothing after a path is copied or measured again for the next one.
  const CharRule characters = context.paths.characters;
  const char* rest = list.Bytes();
  std::int32_t pos = FindText(rest, "\r\n", std::nullopt, false, characters);
  if (pos < 0) {
    renameOne(rest);  // a lone path, whatever its length
  } else {
    while (pos > 0) {
      renameOne(TextLeft(rest, pos - 1));
      rest += pos + 1;
      pos = FindText(rest, "\r\n", std::nullopt, false, characters);
    }
    // What follows the last line break counts as a path only from 5 bytes on.
    if (TextLength(rest) > 4) renameOne(rest);
  }

  context.notice.Show(CompletionText(failures), kCompletionCaption);
}

}  // namespace batch
