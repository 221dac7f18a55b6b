#pragma once
// The described colours, fonts and icon as Qt sees them.

#include <QColor>
#include <QFont>
#include <QIcon>

#include "shell/window/WindowDescription.h"

namespace batch {

// A fixed colour as it is; a system colour slot as the role of the
// application's palette that plays the same part.
QColor ColourOf(Colour colour);
// A height is taken as the character height in pixels, whatever its sign
// (Qt sizes fonts by that alone); an empty face is the application's default.
QFont FontOf(const FontSpec& wanted);
// The program's icon in its three sizes.
QIcon ProgramIcon();

}  // namespace batch
