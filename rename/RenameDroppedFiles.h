#pragma once
// The batch suffix change: every path of a dropped file list gets the suffix
// that the user typed, with dots added before the suffix while the new name
// is taken.

#include <cstdint>

#include "rename/FileSystem.h"
#include "text/PathRule.h"
#include "text/Text.h"

namespace batch {

// The suffix as the user typed it at this moment, read once per drop.
class SuffixSource {
 public:
  virtual ~SuffixSource() = default;
  virtual Text ReadSuffix() = 0;
};

// The modal notice shown when a drop has been handled.
class CompletionNotice {
 public:
  virtual ~CompletionNotice() = default;
  virtual void Show(TextRef text, TextRef caption) = 0;
};

struct RenameContext {
  FileSystem& files;
  SuffixSource& suffix;
  CompletionNotice& notice;
  PathRule paths;
};

enum class RenameOutcome {
  Renamed,
  AlreadyNamed,  // the path already ends in the suffix: left alone
  Failed,        // the platform refused the move
  NotAPath,      // the empty path: nothing to test or move
};

// Renames one path to its stem plus suffix, adding dots while that is taken.
RenameOutcome RenameOne(TextRef current, TextRef suffix, FileSystem& files, PathRule paths);

// The notice text: "改名完毕！", plus a count line when some moves failed.
Text CompletionText(std::int32_t failures);
inline constexpr const char* kCompletionCaption = "信息：";

// The GotFile handler. `received` is a FileListText: one path alone, or paths
// each followed by CR LF. Paths are renamed in list order, each one finished
// before the next is looked at; then the notice is shown, whatever happened.
void RenameDroppedFiles(TextRef received, const RenameContext& context);

}  // namespace batch
