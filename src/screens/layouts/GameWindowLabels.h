#pragma once

#include <string>
#include <string_view>

#include "forms/Layout.h"

namespace ttt {

// The labels that both game windows carry, each at its own place in each window.

// A player's name or mark across the top: dark red, bold, 240 twips high, 120 down.
ControlLayout playerLabel(std::string name, std::string caption, int left, int width, int tabIndex);
// "WEBSITE :" or "EMAIL ID :" in dark orange, in front of its link.
ControlLayout addressHeading(std::string name, std::string caption, int left, int top, int width,
                             int tabIndex);
// One of the two underlined blue labels that open the author's web page or a mail message.
ControlLayout addressLink(std::string name, std::string_view address, int left, int top, int width,
                          int tabIndex);

}  // namespace ttt
