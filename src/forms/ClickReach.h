#pragma once

#include <string_view>

namespace ttt {

class Control;
class Form;

// The loaded control of that full name ("S(4)"), or null.
const Control* findLoadedControl(const Form& form, std::string_view fullName);

// Whether a click on the screen can reach the control: it, and every frame it lies in, is
// shown and enabled. A disabled frame keeps the mouse from all it holds.
bool clickReaches(const Form& form, const Control& control);

// Clicks the control exactly as a click on it on the screen would: the form's click handler
// runs, with all its guards, only when a click could reach the control. Returns whether the
// form has the control loaded.
bool clickAsOnScreen(Form& form, std::string_view fullName);

}  // namespace ttt
