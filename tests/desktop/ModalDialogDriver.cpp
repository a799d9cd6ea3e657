#include "ModalDialogDriver.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Window.H>

#include <chrono>

namespace ttt::test {

namespace {
constexpr double kPollSeconds = 0.01;
}  // namespace

DialogParts DialogParts::of(Fl_Window& window) {
  DialogParts parts;
  parts.window = &window;
  for (int i = 0; i < window.children(); ++i) {
    Fl_Widget* child = window.child(i);
    if (auto* box = dynamic_cast<Fl_Box*>(child)) {
      if (box->box() != FL_NO_BOX) {
        parts.icon = box;
      } else if (parts.prompt == nullptr) {
        parts.prompt = box;
      }
    } else if (auto* input = dynamic_cast<Fl_Input*>(child)) {
      if (input->visible()) parts.input = input;
    } else if (auto* button = dynamic_cast<Fl_Button*>(child)) {
      if (button->visible()) parts.buttons.push_back(button);
    }
  }
  return parts;
}

Fl_Button* DialogParts::button(const std::string& label) const {
  for (Fl_Button* candidate : buttons) {
    if (candidate->label() != nullptr && label == candidate->label()) return candidate;
  }
  return nullptr;
}

ModalDialogDriver::ModalDialogDriver(Action action, double boundSeconds)
    : action_(std::move(action)), pollsLeft_(static_cast<int>(boundSeconds / kPollSeconds)) {
  Fl::add_timeout(kPollSeconds, &ModalDialogDriver::poll, this);
}

ModalDialogDriver::~ModalDialogDriver() { Fl::remove_timeout(&ModalDialogDriver::poll, this); }

void ModalDialogDriver::poll(void* data) { static_cast<ModalDialogDriver*>(data)->pollOnce(); }

void ModalDialogDriver::pollOnce() {
  Fl_Window* dialog = Fl::modal();
  if (dialog == nullptr || !dialog->shown()) {
    if (--pollsLeft_ > 0) Fl::repeat_timeout(kPollSeconds, &ModalDialogDriver::poll, this);
    return;
  }
  acted_ = true;
  DialogParts parts = DialogParts::of(*dialog);
  action_(parts);
  if (dialog->shown()) {
    leftOpen_ = true;
    dialog->hide();
  }
}

void pressKey(Fl_Window& window, int key, std::string text) {
  static char noText[1] = "";
  Fl::e_keysym = key;
  Fl::e_state = 0;
  Fl::e_text = text.data();
  Fl::e_length = static_cast<int>(text.size());
  Fl::handle(FL_KEYBOARD, &window);
  Fl::e_text = noText;
  Fl::e_length = 0;
}

void typeText(Fl_Window& window, const std::string& text) {
  // The toolkit hands a composed text to the focused widget as one key event.
  pressKey(window, 'a', text);
}

bool runUntil(const std::function<bool()>& condition, double boundSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(boundSeconds);
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    Fl::wait(kPollSeconds);
  }
  return true;
}

}  // namespace ttt::test
