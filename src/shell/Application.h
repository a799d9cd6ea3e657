#pragma once

#include <memory>

#include "forms/FormObserver.h"
#include "forms/Navigator.h"
#include "forms/Services.h"

namespace ttt {

class Form1;
class Form2;
class Form3;

// The program: one instance of each window, created the first time it is used and kept
// until the program ends, and the navigation between them. The program has ended once no
// window is open after the running handler has returned.
class Application : public Navigator {
 public:
  Application(Services& services, FormObserver& windows);
  ~Application() override;

  // Start-up: the menu is created and shown, and nothing else.
  void start();
  bool anyWindowOpen() const;

  void showMenu() override;
  void showTwoPlayer() override;
  void showSinglePlayer() override;

  Form3& menu();
  Form1& twoPlayer();
  Form2& singlePlayer();

 private:
  Services& services_;
  FormObserver& windows_;
  std::unique_ptr<Form3> menu_;
  std::unique_ptr<Form1> twoPlayer_;
  std::unique_ptr<Form2> singlePlayer_;
};

}  // namespace ttt
