#pragma once

#include <cstdint>

#include "forms/Form.h"
#include "forms/Navigator.h"

namespace ttt {

// The main menu: opens either game, or ends the program with the contact box.
class Form3 : public Form {
 public:
  Form3(Services& services, Navigator& navigator);

 protected:
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;

 private:
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void showContactBox();

  Navigator& navigator_;
  Control& Command1{control("Command1")};  // "&ONE PLAYER"
  Control& Command2{control("Command2")};  // "&TWO PLAYER"
  Control& Command3{control("Command3")};  // "&EXIT"
};

}  // namespace ttt
