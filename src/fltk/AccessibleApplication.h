#pragma once

#include <FL/Fl_Window.H>

#include <string>
#include <vector>

#include "fltk/AccessibleNode.h"

namespace ttt {

class AccessibleWidget;

// The program as a screen reader sees it: an application holding the windows on screen, the
// form windows and the dialogs. sync() first brings the windows up to date (a window that
// has appeared joins, one that has gone leaves, and the bridge is told of both), then tells
// of every change inside them.
class AccessibleApplication : public AccessibleNode {
 public:
  explicit AccessibleApplication(std::string name);

  void sync() override;
  void addStates(AtkStateSet* /*states*/) const override {}

 protected:
  std::string currentName() const override { return name_; }

 private:
  void dropGoneWindows();
  void addNewWindows();

  std::string name_;
  std::vector<const Fl_Window*> windows_;  // the window of each child, in child order
};

}  // namespace ttt
