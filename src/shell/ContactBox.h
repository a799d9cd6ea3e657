#pragma once

#include <string>

#include "forms/Services.h"

namespace ttt {

// The box the program ends with from the menu: where to send comments and suggestions.
class ContactBox {
 public:
  static constexpr const char* kTitle = "CONTACT !";

  // Five lines joined by carriage return and line feed, with no line break at the end.
  static std::string prompt();
  static void show(MessageBox& messageBox);
};

}  // namespace ttt
