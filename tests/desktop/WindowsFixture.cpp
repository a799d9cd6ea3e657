#include "WindowsFixture.h"

#include <FL/Fl.H>

#include <stdexcept>
#include <utility>

namespace ttt::test {

RecordingForm::RecordingForm(const FormLayout& layout, Services& services)
    : Form(layout, services) {
  for (const ControlLayout& control : layout.controls) {
    if (control.index >= 0) {
      onArrayClick(control.name, [this, name = control.name](std::int16_t index) {
        clicks.push_back(name + "(" + std::to_string(index) + ")");
      });
    } else {
      onClick(control.name, [this, name = control.name] { clicks.push_back(name); });
    }
  }
}

void RecordingForm::whenClicked(const std::string& name, std::function<void()> handler) {
  onClick(name, std::move(handler));
}

void RecordingForm::Form_Load() {
  if (whileLoading) whileLoading(*this);
}

void RecordingForm::Form_QueryUnload(std::int16_t& /*cancel*/, std::int16_t reason) {
  closeReasons.push_back(reason);
}

void WindowsTest::TearDown() {
  for (const auto& form : forms) {
    if (form->isLoaded()) form->unload();
  }
  // Lets the toolkit delete the windows it was handed.
  Fl::wait(0);
}

RecordingForm& WindowsTest::open(const FormLayout& layout,
                                 std::function<void(RecordingForm&)> whileLoading) {
  forms.push_back(std::make_unique<RecordingForm>(layout, fakes.services));
  RecordingForm& form = *forms.back();
  form.whileLoading = std::move(whileLoading);
  form.setObserver(&windows);
  form.show();
  return form;
}

WindowView& WindowsTest::windowOf(const Form& form) {
  WindowView* window = windows.window(form);
  if (window == nullptr) throw std::logic_error(form.name() + " has no window");
  return *window;
}

Fl_Widget& WindowsTest::widgetOf(const Form& form, const std::string& fullName) {
  Fl_Widget* widget = windowOf(form).widget(fullName);
  if (widget == nullptr) throw std::logic_error(form.name() + " shows no " + fullName);
  return *widget;
}

}  // namespace ttt::test
