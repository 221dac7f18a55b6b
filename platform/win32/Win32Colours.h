#pragma once
// The description's colours as GDI colours and brushes.

#include <windows.h>

#include "shell/window/WindowDescription.h"

namespace batch {

COLORREF ToColorRef(const Colour& colour);

// A brush of one colour; system colours use the shared system brushes, which
// are never deleted.
class Win32Brush {
 public:
  explicit Win32Brush(const Colour& colour);
  ~Win32Brush();
  Win32Brush(const Win32Brush&) = delete;
  Win32Brush& operator=(const Win32Brush&) = delete;
  HBRUSH Get() const { return brush_; }

 private:
  HBRUSH brush_;
  bool owned_;
};

// A font as a description gives it; nullptr for no own font.
HFONT CreateDescribedFont(const FontSpec& font);

}  // namespace batch
