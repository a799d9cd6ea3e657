#include "shell/Form3.h"

#include "screens/layouts/Layouts.h"
#include "shell/ContactBox.h"

namespace ttt {

Form3::Form3(Services& services, Navigator& navigator)
    : Form(menuLayout(), services), navigator_(navigator) {
  Command1.onClick([this] { Command1_Click(); });
  Command2.onClick([this] { Command2_Click(); });
  Command3.onClick([this] { Command3_Click(); });
}

// The game window is shown before the handler returns, so closing the menu first does
// not end the program.
void Form3::Command1_Click() {
  unload();
  navigator_.showSinglePlayer();
}

void Form3::Command2_Click() {
  unload();
  navigator_.showTwoPlayer();
}

void Form3::Command3_Click() {
  unload();
  showContactBox();
}

void Form3::Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) {
  if (reason == kCloseFromCode) {
    cancel = 0;
    return;
  }
  // Closed by the user: the box comes while the menu is still on screen, and the close
  // goes ahead once it is dismissed.
  showContactBox();
}

void Form3::showContactBox() { contact_box::show(services().messageBox); }

}  // namespace ttt
