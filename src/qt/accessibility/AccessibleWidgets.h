#pragma once

class QWidget;

namespace ttt {

class Control;

// Shows the program's own widgets to screen readers as what they are: form windows as windows
// (whose titles are read), labels as text or links, the board frame as a group of its cells.
void installAccessibleWidgets();

// Names the widget as a screen reader speaks the control now ("top left, X"); a mark or score
// changed on a window on screen is also announced.
void announceName(QWidget& widget, const Control& control);

}  // namespace ttt
