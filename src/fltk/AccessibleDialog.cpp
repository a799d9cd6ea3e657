#include "fltk/AccessibleDialog.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>

#include "fltk/DialogWindow.h"

namespace ttt {

namespace {

// A part of a dialog, named once for all: the prompt, the name field or a button.
class DialogPart : public AccessibleWidget {
 public:
  DialogPart(std::shared_ptr<Fl_Widget_Tracker> dialog, Fl_Widget& widget, const Options& options,
             std::string name)
      : AccessibleWidget(std::move(dialog), widget, options), name_(std::move(name)) {}

  void addStates(AtkStateSet* states) const override {
    AccessibleWidget::addStates(states);
    if (alive() && role() == ATK_ROLE_ENTRY) {
      atk_state_set_add_state(states, ATK_STATE_EDITABLE);
      atk_state_set_add_state(states, ATK_STATE_SINGLE_LINE);
    }
  }
  const char* actionName() const override { return "press"; }
  // A button presses as a click on it would, once the toolkit is back in its loop.
  bool act() override {
    if (!alive() || !enabled()) return false;
    Fl_Widget* button = &widget();
    later([button] { button->do_callback(); });
    return true;
  }

 protected:
  std::string currentName() const override { return name_; }

 private:
  AtkRole role() const { return atk_object_get_role(object()); }
  std::string name_;
};

AtkRole roleOf(DialogWindow::Kind kind) {
  return kind == DialogWindow::Kind::Input ? ATK_ROLE_DIALOG : ATK_ROLE_ALERT;
}

}  // namespace

AccessibleDialog::AccessibleDialog(DialogWindow& dialog)
    : AccessibleWidget(std::make_shared<Fl_Widget_Tracker>(&dialog), dialog,
                       {roleOf(dialog.kind())}),
      prompt_(dialog.prompt()) {
  for (int i = 0; i < dialog.children(); ++i) {
    Fl_Widget& part = *dialog.child(i);
    if (&part == dialog.promptBox()) {
      adopt(std::make_unique<DialogPart>(windowTracker(), part, Options{ATK_ROLE_LABEL}, prompt_),
            false);
    } else if (dynamic_cast<Fl_Input*>(&part) != nullptr) {
      adopt(std::make_unique<DialogPart>(windowTracker(), part,
                                         Options{ATK_ROLE_ENTRY, true, false}, prompt_),
            false);
    } else if (dynamic_cast<Fl_Button*>(&part) != nullptr) {
      adopt(std::make_unique<DialogPart>(windowTracker(), part,
                                         Options{ATK_ROLE_PUSH_BUTTON, true, true},
                                         part.label() != nullptr ? part.label() : ""),
            false);
    }
  }
}

std::string AccessibleDialog::currentName() const {
  return alive() && widget().label() != nullptr ? widget().label() : "";
}

}  // namespace ttt
