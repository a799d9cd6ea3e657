#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "forms/Layout.h"

namespace ttt {

// A layout's colour as Qt shows it; a system colour as its classic Windows default.
QColor qtColour(Colour colour);
// The classic desktop's colours for Qt's own widgets: buttons, boxes and fields.
QPalette classicPalette();
// A layout's font in 96-dpi pixels, Liberation Sans for MS Sans Serif, Comic Neue for Comic Sans.
QFont qtFont(const FontSpec& font, int pixels);

}  // namespace ttt
