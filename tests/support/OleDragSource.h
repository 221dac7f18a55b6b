#pragma once
// A drag source of our own for the Windows tests: a data object that offers
// either a shell file list (CF_HDROP) of real paths or plain text only, and a
// drag that starts at a given screen point with chosen keys and effects.

#include <ole2.h>

#include <string>
#include <vector>

namespace batch::testing {

// A DROPFILES block of ANSI paths, as a shell would hand it over.
HGLOBAL NewDropFiles(const std::vector<std::string>& paths);

// Data objects with one reference, the caller's.
IDataObject* NewFileListData(const std::vector<std::string>& paths);
IDataObject* NewTextData(const std::string& text);
// Says it has a file list as a memory block, but delivers a stream.
IDataObject* NewFileListStream(const std::vector<std::string>& paths);

struct DragOutcome {
  HRESULT answer;  // what DoDragDrop returned: the target's answer to Drop
  DWORD effect;    // the effect the target chose
};

// Puts the cursor at `at`, holds Ctrl and/or Shift in this thread's keyboard
// state, and drags `data` there with the `allowed` effects; the drop comes
// after a few rounds. Needs OLE initialised on the calling thread.
DragOutcome DragAndDrop(IDataObject* data, POINT at, DWORD allowed, bool control, bool shift);

}  // namespace batch::testing
