#pragma once

#include <string>

#include "forms/Layout.h"

namespace ttt {

// Small builders that keep the window tables readable: each returns a control with the
// platform defaults and the few settings the caller names.

// An opaque label in the window's background colour.
ControlLayout makeLabel(std::string name, std::string caption, TwipsRect rect, FontSpec font,
                        Colour foreColour, int tabIndex);
// A push button in the default button colours.
ControlLayout makeButton(std::string name, std::string caption, TwipsRect rect, FontSpec font,
                         int tabIndex);
// A shown straight line; its colour is the fore colour.
ControlLayout makeLine(std::string name, std::string container, TwipsLine line, Colour colour);

// Modifiers for the settings most controls keep at their defaults.
ControlLayout autoSized(ControlLayout control);
ControlLayout hidden(ControlLayout control);
ControlLayout inContainer(ControlLayout control, std::string container);

}  // namespace ttt
