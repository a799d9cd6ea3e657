#pragma once

namespace ttt {

// How the windows reach each other: through the application, never directly.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void showMenu() = 0;
  virtual void showTwoPlayer() = 0;
  virtual void showSinglePlayer() = 0;
};

}  // namespace ttt
