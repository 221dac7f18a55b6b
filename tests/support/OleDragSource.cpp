#include "tests/support/OleDragSource.h"

#include <shlobj.h>

#include <cstring>

namespace batch::testing {
namespace {

HGLOBAL CopyBlock(HGLOBAL block) {
  const SIZE_T size = GlobalSize(block);
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(copy), GlobalLock(block), size);
  GlobalUnlock(block);
  GlobalUnlock(copy);
  return copy;
}

// Offers one format as a global memory block, and nothing else; or, as a
// misbehaving source would, delivers it as a stream all the same.
class OneFormatData final : public IDataObject {
 public:
  OneFormatData(CLIPFORMAT format, HGLOBAL block, bool asStream = false)
      : format_(format), block_(block), asStream_(asStream) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDataObject)) {
      *object = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    const HRESULT offered = QueryGetData(format);
    if (offered != S_OK) return offered;
    medium->pUnkForRelease = nullptr;
    if (asStream_) {
      medium->tymed = TYMED_ISTREAM;
      return CreateStreamOnHGlobal(CopyBlock(block_), TRUE, &medium->pstm);
    }
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = CopyBlock(block_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    if (format->cfFormat != format_) return DV_E_FORMATETC;
    if ((format->tymed & TYMED_HGLOBAL) == 0) return DV_E_TYMED;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC offered{format_, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    return SHCreateStdEnumFmtEtc(1, &offered, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

 private:
  ~OneFormatData() { GlobalFree(block_); }

  LONG references_ = 1;
  CLIPFORMAT format_;
  HGLOBAL block_;
  bool asStream_;
};

// Lets the drag run a few rounds over the target, then drops.
class DropSoon final : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
      *object = static_cast<IDropSource*>(this);
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the stack of DragAndDrop.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return ++rounds_ < 4 ? S_OK : DRAGDROP_S_DROP;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  int rounds_ = 0;
};

void HoldKeys(bool control, bool shift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  const BYTE down = 0x80;
  keys[VK_CONTROL] = keys[VK_LCONTROL] = control ? down : 0;
  keys[VK_SHIFT] = keys[VK_LSHIFT] = shift ? down : 0;
  SetKeyboardState(keys);
}

}  // namespace

HGLOBAL NewDropFiles(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& path : paths) list += path + '\0';
  list += '\0';
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + list.size());
  auto* header = static_cast<DROPFILES*>(GlobalLock(block));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), list.data(), list.size());
  GlobalUnlock(block);
  return block;
}

IDataObject* NewFileListData(const std::vector<std::string>& paths) {
  return new OneFormatData(CF_HDROP, NewDropFiles(paths));
}

IDataObject* NewFileListStream(const std::vector<std::string>& paths) {
  return new OneFormatData(CF_HDROP, NewDropFiles(paths), true);
}

IDataObject* NewTextData(const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return new OneFormatData(CF_TEXT, block);
}

DragOutcome DragAndDrop(IDataObject* data, POINT at, DWORD allowed, bool control, bool shift) {
  SetCursorPos(at.x, at.y);
  HoldKeys(control, shift);
  DropSoon source;
  DragOutcome outcome{E_UNEXPECTED, DROPEFFECT_NONE};
  outcome.answer = DoDragDrop(data, &source, allowed, &outcome.effect);
  HoldKeys(false, false);
  return outcome;
}

}  // namespace batch::testing
