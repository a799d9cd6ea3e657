#pragma once

namespace ttt {

// Has Qt's accessibility bridge show the program's own widgets as what they are: each form
// window as a window (a frame, whose title screen readers read), labels as text, link labels
// as links, the board frame as a group of its cells. Qt's own widgets need nothing.
void installAccessibleWidgets();

}  // namespace ttt
