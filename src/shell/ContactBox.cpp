#include "shell/ContactBox.h"

#include "screens/Author.h"

namespace ttt {

std::string ContactBox::prompt() {
  const std::string lineBreak = "\r\n";
  return "Send Your Comments And Suggestions" + lineBreak +
         lineBreak +
         "    " + std::string(kAuthorEmail) + lineBreak +
         lineBreak +
         "  " + std::string(kAuthorWebAddressWithScheme);
}

void ContactBox::show(MessageBox& messageBox) {
  messageBox.show(prompt(), kStyleInformation, kTitle);
}

}  // namespace ttt
