#include "platform/win32/Win32Colours.h"

namespace batch {

COLORREF ToColorRef(const Colour& colour) {
  return colour.kind == Colour::Kind::System ? GetSysColor(static_cast<int>(colour.value))
                                             : static_cast<COLORREF>(colour.value);
}

Win32Brush::Win32Brush(const Colour& colour)
    : brush_(colour.kind == Colour::Kind::System ? GetSysColorBrush(static_cast<int>(colour.value))
                                                 : CreateSolidBrush(ToColorRef(colour))),
      owned_(colour.kind != Colour::Kind::System) {}

Win32Brush::~Win32Brush() {
  if (owned_) DeleteObject(brush_);
}

HFONT CreateDescribedFont(const FontSpec& font) {
  return CreateFontA(font.height, 0, 0, 0, font.weight, font.italic, font.underline, font.strikeOut,
                     static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     static_cast<DWORD>(font.quality), DEFAULT_PITCH | FF_DONTCARE,
                     font.face.empty() ? nullptr : font.face.c_str());
}

}  // namespace batch
