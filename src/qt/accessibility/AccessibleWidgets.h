#pragma once

class QWidget;

namespace ttt {

class Control;

// Has Qt's accessibility bridge show the program's own widgets as what they are: each form
// window as a window (a frame, whose title screen readers read), labels as text, link labels
// as links, the board frame as a group of its cells. Qt's own widgets need nothing.
void installAccessibleWidgets();

// Gives the widget the name a screen reader speaks for the control as it is now ("top left,
// X" for a cell, a button's caption without its '&'); Qt tells the screen reader of a change.
// A mark placed or a score changed on a window on screen is also announced, unasked.
void announceName(QWidget& widget, const Control& control);

}  // namespace ttt
