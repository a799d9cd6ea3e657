#pragma once

#include <string_view>

namespace ttt {

class Control;
class Form;

// The control of that full name ("S(4)") in the form's layout, or null.
Control* findControl(const Form& form, std::string_view fullName);

// Whether a click on the screen can reach the control of a loaded form: it, and every frame
// it lies in, is shown and enabled. A disabled frame keeps the mouse from all it holds.
bool clickReaches(const Form& form, const Control& control);

// Clicks the control exactly as a click on it on the screen would: its click, with all the
// handler's guards, runs only when the form is loaded and a click could reach the control.
void clickAsOnScreen(const Form& form, Control& control);

}  // namespace ttt
