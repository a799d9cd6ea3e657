#pragma once

class QWidget;

namespace ttt {

class Control;

// Gives the widget the name a screen reader speaks for the control as it is now ("top left,
// X" for a cell, a button's caption without its '&'); Qt tells the screen reader of a change.
// A mark placed or a score changed on a window on screen is also announced, unasked.
void announceName(QWidget& widget, const Control& control);

}  // namespace ttt
