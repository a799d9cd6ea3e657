#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "screens/access/AccessibleText.h"

namespace ttt {

class Control;
class Form;

// One accessible object of a form's window, other than the window itself.
struct AccessibleItem {
  Control* control;
  AccessibleRole role;
  int parent;  // place in the reading order of the frame that holds it; -1 for the window
};

struct AccessibleStates {
  bool showing = false;    // it and every frame it lies in are shown
  bool enabled = false;    // a click, key or screen reader reaches it now
  bool focusable = false;  // the keyboard focus can rest on it (the buttons)
};

// What a screen reader finds in a form's window, for every backend to render: the window
// named by its caption, and its objects in one reading order, each with its role, its
// parent, and its name and states as they are now. The lines only draw, and the hidden
// labels hold the game's own state (the side to move, the move counter): both are left out.
//
// The reading order is the order in which a player takes the window in: first who plays
// (the title, the names and marks and the score, row by row from the top, each row from the
// left), then the board they act on (the frame, then its cells row by row), then the commands
// (the buttons, in tab order, where the focus goes), and last the author's addresses (each
// link row with its heading), which matter least to the game.
class AccessibleDescription {
 public:
  explicit AccessibleDescription(Form& form);

  const std::string& windowName() const;
  const std::vector<AccessibleItem>& items() const { return items_; }
  // The places in the reading order of the objects whose parent is `parent`.
  std::vector<std::size_t> childrenOf(int parent) const;
  // The place of the control's object in the reading order, if it has one.
  std::optional<std::size_t> placeOf(const Control& control) const;

  // Nothing, while the form is not loaded: its controls have no state then.
  std::optional<std::string> name(const AccessibleItem& item) const;
  AccessibleStates states(const AccessibleItem& item) const;
  // The letter that Alt presses a button by, upper-cased.
  std::optional<char> accessKey(const AccessibleItem& item) const;
  // Whether the object can be pressed as it is clicked: buttons, links and cells.
  static bool pressable(const AccessibleItem& item);

 private:
  void add(Control& control, int parent);
  void addRows(const std::vector<std::vector<Control*>>& rows, bool withLinks);
  void addFrame(Control& frame);

  Form& form_;
  std::vector<AccessibleItem> items_;
};

}  // namespace ttt
