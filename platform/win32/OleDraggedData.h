#pragma once
// The data of an OLE drag, seen through the drop target's questions: every
// format is asked for as a global memory block of the whole content.

#include <ole2.h>
#include <shellapi.h>

#include <vector>

#include "shell/drop/DropTarget.h"

namespace batch {

// The clipboard format of each kind of dragged data.
struct DropFormats {
  CLIPFORMAT text, html, url, files;
  CLIPFORMAT Of(DropKind kind) const;
};

// CF_TEXT and CF_HDROP, plus the two named formats registered now.
DropFormats RegisterDropFormats();

class OleDraggedData final : public DraggedData {
 public:
  OleDraggedData(IDataObject* data, const DropFormats& formats) : data_(data), formats_(formats) {}

  // Only an answer of exactly S_OK counts as offered.
  bool Offers(DropKind kind) override;
  std::optional<Text> ReadText(DropKind kind) override;
  std::optional<std::vector<Text>> ReadFileList() override;

 private:
  bool GetWholeBlock(CLIPFORMAT format, STGMEDIUM& medium);

  IDataObject* data_;
  const DropFormats& formats_;
};

// Every path of a shell file list, in its order, each read into a buffer of
// its exact length: nothing is cut, however long.
std::vector<Text> ReadDroppedPaths(HDROP list);

}  // namespace batch
