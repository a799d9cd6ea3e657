#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "desktop/DesktopWindows.h"
#include "desktop/TimerPump.h"
#include "desktop/WindowView.h"
#include "forms/Form.h"
#include "support/Fakes.h"

namespace ttt::test {

// A window whose every control records its clicks, so that the tests see exactly what the
// toolkit delivered. A test may give a control a handler of its own instead.
class RecordingForm : public Form {
 public:
  RecordingForm(const FormLayout& layout, Services& services);

  void whenClicked(const std::string& name, std::function<void()> handler);
  std::vector<std::string> clicks;
  std::vector<std::int16_t> closeReasons;
  std::function<void(RecordingForm&)> whileLoading;

 protected:
  void Form_Load() override;
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override;
};

// Real windows for forms with recorded clicks, driven by a real timer pump.
class WindowsTest : public ::testing::Test {
 protected:
  void TearDown() override;

  // Creates a form of the layout and shows it on screen.
  RecordingForm& open(const FormLayout& layout,
                      std::function<void(RecordingForm&)> whileLoading = nullptr);
  WindowView& windowOf(const Form& form);
  // The widget of a control, in window pixels.
  Fl_Widget& widgetOf(const Form& form, const std::string& fullName);

  FakeServices fakes;
  TimerPump pump;
  DesktopWindows windows{pump};
  std::vector<std::unique_ptr<RecordingForm>> forms;
};

}  // namespace ttt::test
