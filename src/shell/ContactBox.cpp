#include "shell/ContactBox.h"

#include "screens/layouts/Author.h"

namespace ttt::contact_box {

std::string prompt() {
  const std::string lineBreak = "\r\n";
  return "Send Your Comments And Suggestions" + lineBreak + lineBreak + "    " +
         std::string(kAuthorEmail) + lineBreak + lineBreak + "  " +
         std::string(kAuthorWebAddressWithScheme);
}

void show(MessageBox& messageBox) { messageBox.show(prompt(), kStyleInformation, kTitle); }

}  // namespace ttt::contact_box
