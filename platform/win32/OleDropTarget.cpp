#include "platform/win32/OleDropTarget.h"

namespace batch {

OleDropTarget::OleDropTarget(const DropTargetSettings& settings, std::unique_ptr<DropEvents> events,
                             HWND host)
    : events_(std::move(events)),
      target_(settings, *events_, *this),
      host_(host),
      formats_(RegisterDropFormats()) {}

bool OleDropTarget::Register(DropWindow window) {
  return RegisterDragDrop(reinterpret_cast<HWND>(window), this) == S_OK;
}

HRESULT OleDropTarget::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDropTarget)) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IDropTarget*>(this);
  AddRef();
  return S_OK;
}

ULONG OleDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG OleDropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT OleDropTarget::DragEnter(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  OleDraggedData dragged(data, formats_);
  DropEffects chosen = *effect;
  target_.DragEnter(dragged, keys, chosen);
  *effect = chosen;
  return S_OK;
}

HRESULT OleDropTarget::DragOver(DWORD keys, POINTL, DWORD* effect) {
  DropEffects chosen = *effect;
  target_.DragOver(keys, chosen);
  *effect = chosen;
  return S_OK;
}

HRESULT OleDropTarget::DragLeave() {
  target_.DragLeave();
  return S_OK;
}

HRESULT OleDropTarget::Drop(IDataObject* data, DWORD keys, POINTL, DWORD* effect) {
  // A drop may close the window and with it release the creator's reference;
  // this one keeps the object alive until the notification is answered.
  AddRef();
  OleDraggedData dragged(data, formats_);
  DropEffects chosen = *effect;
  target_.Drop(dragged, keys, chosen);
  *effect = chosen;
  Release();
  return E_FAIL;
}

}  // namespace batch
