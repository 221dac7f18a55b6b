#include "platform/qt/QtLook.h"

#include <QApplication>
#include <QPalette>
#include <cstdlib>

namespace batch {
namespace {

QPalette::ColorRole RoleOfSystemColour(std::uint32_t slot) {
  switch (slot) {
    case 5: return QPalette::Base;         // window background
    case 8: return QPalette::Text;         // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;      // 3-D face
    case 18: return QPalette::ButtonText;
    default: return QPalette::Window;
  }
}

}  // namespace

QColor ColourOf(Colour colour) {
  if (colour.kind == Colour::Kind::System) {
    return QApplication::palette().color(RoleOfSystemColour(colour.value));
  }
  return QColor(colour.value & 0xFF, colour.value >> 8 & 0xFF, colour.value >> 16 & 0xFF);
}

QFont FontOf(const FontSpec& wanted) {
  QFont font = QApplication::font();
  if (!wanted.face.empty()) font.setFamily(QString::fromLocal8Bit(wanted.face));
  if (wanted.height != 0) font.setPixelSize(std::abs(wanted.height));
  if (wanted.weight > 0 && wanted.weight <= 1000) font.setWeight(static_cast<QFont::Weight>(wanted.weight));
  font.setItalic(wanted.italic);
  font.setUnderline(wanted.underline);
  font.setStrikeOut(wanted.strikeOut);
  return font;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const char* size : {"32", "48", "64"}) icon.addFile(QStringLiteral(":/icons/icon-%1.png").arg(size));
  return icon;
}

}  // namespace batch
