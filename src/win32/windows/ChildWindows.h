#pragma once

#include "win32/system/WinApi.h"

#include <string>

#include "forms/Control.h"
#include "forms/Layout.h"
#include "win32/windows/LinkLabels.h"

namespace ttt {

// The windows a form is made of: the top-level window with its fixed border, and the buttons
// and frames inside it as child windows. Their procedure gets `view` as its creation
// parameter.
namespace childwindows {

// Buttons' command ids start here, clear of IDOK and IDCANCEL, which dialog keys send.
constexpr int kFirstCommandId = 100;

void registerClasses(HINSTANCE instance, WNDPROC procedure);
// The form's window, hidden and still without a size.
HWND createFormWindow(const FormLayout& layout, HWND owner, void* view);
// Each button and frame gets its window inside its container, frames first so that the
// controls inside them find theirs; labels and lines have none, and link labels are added
// to `links`.
void createChildWindows(const ControlItems& items, const FormLayout& layout, HWND window,
                        LinkLabels& links, void* view);
// The window grows or shrinks so that its client area is the placed one at this DPI.
void fitFrameToClient(HWND window, const FormLayout& layout, const PlacedForm& placed, UINT dpi);
// The window in the middle of its monitor's work area.
void centreOnWorkArea(HWND window);
// A button's caption as the shared parser reads it, for the button to show and press.
std::wstring buttonText(const Control& button);

}  // namespace childwindows
}  // namespace ttt
