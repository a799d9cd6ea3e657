#pragma once

#include <QFont>

#include "forms/Layout.h"

namespace ttt {

// A layout's font as the desktop has it, at a size in pixels at 96 dots per inch (Qt scales
// the pixels): Liberation Sans stands for MS Sans Serif, Comic Neue for Comic Sans MS.
QFont qtFont(const FontSpec& font, int pixels);

}  // namespace ttt
