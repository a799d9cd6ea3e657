#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt::contact_box {

// The box the program ends with from the menu: where to send comments and suggestions.
inline constexpr const char* kTitle = "CONTACT !";

// Five lines joined by carriage return and line feed, with no line break at the end.
std::string prompt();
void show(MessageBox& messageBox);

}  // namespace ttt::contact_box
