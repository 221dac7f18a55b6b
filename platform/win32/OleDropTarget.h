#pragma once
// The drop target as OLE sees it: a COM object that only translates the
// platform's notifications into the portable DropTarget's decisions.
//
// Its reference count starts at 1, the creator's reference; the platform
// holds further ones while the window is registered or a drag is under way,
// and the object is freed only when the last one is released.

#include <ole2.h>

#include <memory>

#include "platform/win32/OleDraggedData.h"
#include "shell/drop/DropTarget.h"

namespace batch {

class OleDropTarget final : public IDropTarget, private DropRegistrar {
 public:
  // `host` is the window the target belongs to; its registration is the one
  // that Revoke withdraws.
  OleDropTarget(const DropTargetSettings& settings, std::unique_ptr<DropEvents> events, HWND host);
  OleDropTarget(const OleDropTarget&) = delete;
  OleDropTarget& operator=(const OleDropTarget&) = delete;

  DropTarget& Logic() { return target_; }
  void Revoke() { RevokeDragDrop(host_); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  // Always E_FAIL, also after the events have run: the drop is never
  // reported as taken, so a source never deletes what it moved.
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~OleDropTarget() = default;
  bool Register(DropWindow window) override;

  LONG references_ = 1;
  std::unique_ptr<DropEvents> events_;
  DropTarget target_;
  HWND host_;
  DropFormats formats_;
};

}  // namespace batch
