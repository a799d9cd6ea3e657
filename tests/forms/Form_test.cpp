#include "forms/Form.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Fakes.h"
#include "support/RecordingWindows.h"

namespace ttt::test {
namespace {

// A small window: a label, a three-cell array, a frame, a hidden line and three timers.
FormLayout probeLayout() {
  FormLayout layout;
  layout.name = "Probe";
  layout.caption = "PROBE";
  ControlLayout label;
  label.name = "Label1";
  label.caption = "design";
  layout.controls.push_back(label);
  for (int i = 0; i < 3; ++i) {
    ControlLayout cell;
    cell.name = "S";
    cell.index = i;
    layout.controls.push_back(cell);
  }
  ControlLayout frame;
  frame.name = "Frame2";
  frame.kind = ControlKind::Frame;
  layout.controls.push_back(frame);
  ControlLayout line;
  line.name = "Line9";
  line.kind = ControlKind::Line;
  line.visible = false;
  layout.controls.push_back(line);
  layout.timers = {{"Timer1", 1}, {"Timer2", 1}, {"Timer3", 0}};
  return layout;
}

// A window whose handlers are supplied by the test, and which logs its load and close requests.
class ProbeForm : public Form {
 public:
  ProbeForm(const FormLayout& layout, Services& services) : Form(layout, services) {}

  using Form::onArrayClick;
  using Form::onClick;
  using Form::onTimer;
  using Form::stateChanged;

  std::function<void()> whileLoading;
  std::function<void()> whileClosing;
  std::int16_t cancelAnswer = 0;
  std::vector<std::int16_t> closeReasons;
  int loads = 0;

 protected:
  void Form_Load() override {
    ++loads;
    if (whileLoading) whileLoading();
  }
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override {
    EXPECT_EQ(cancel, 0);
    closeReasons.push_back(reason);
    if (whileClosing) whileClosing();
    cancel = cancelAnswer;
  }
};

class FormTest : public ::testing::Test {
 protected:
  FormTest() { form.setObserver(&windows); }

  FormLayout layout = probeLayout();
  FakeServices fakes;
  RecordingWindows windows;
  ProbeForm form{layout, fakes.services};
  std::vector<std::string> calls;
};

TEST_F(FormTest, LoadBuildsControlsAtLoadValuesAndRunsFormLoadBeforeShowing) {
  EXPECT_THROW(form.control("Label1"), std::logic_error);
  form.whileLoading = [&] {
    EXPECT_TRUE(form.isLoaded());
    EXPECT_FALSE(form.isShown());
    EXPECT_EQ(form.control("Label1").caption(), "design");
    EXPECT_FALSE(form.control("Line9").visible());
    EXPECT_EQ(form.timer("Timer1").interval(), 1);
    EXPECT_EQ(form.timer("Timer3").interval(), 0);
    form.control("Label1").setCaption("from load");
  };
  form.show();
  ASSERT_EQ(form.loads, 1);
  EXPECT_TRUE(form.isShown());
  EXPECT_EQ(&form.control("S", 2), &form.control("S(2)"));
  EXPECT_EQ(windows.events, (std::vector<std::string>{
                                "Probe Label1 caption=from load visible=1 enabled=1",
                                "shown Probe"}));
  form.show();  // showing a loaded window raises it and loads nothing
  EXPECT_EQ(form.loads, 1);
}

TEST_F(FormTest, UnloadClosesWithReasonOneAndDestroysTheControls) {
  form.show();
  form.cancelAnswer = -1;  // code's own unload still asks, and the answer is honoured
  form.unload();
  EXPECT_TRUE(form.isLoaded());
  form.cancelAnswer = 0;
  form.unload();
  EXPECT_EQ(form.closeReasons, (std::vector<std::int16_t>{kCloseFromCode, kCloseFromCode}));
  EXPECT_FALSE(form.isLoaded());
  EXPECT_FALSE(form.isShown());
  EXPECT_FALSE(windows.isOnScreen("Probe"));
  EXPECT_THROW(form.control("Label1"), std::logic_error);
  form.unload();  // closing a closed window asks nothing
  EXPECT_EQ(form.closeReasons.size(), 2u);
}

TEST_F(FormTest, CloseBoxAsksWithReasonZeroAndMayBeCancelled) {
  form.show();
  form.cancelAnswer = 1;
  form.requestClose();
  EXPECT_TRUE(form.isShown());
  EXPECT_TRUE(windows.isOnScreen("Probe"));
  form.cancelAnswer = 0;
  form.requestClose();
  EXPECT_EQ(form.closeReasons, (std::vector<std::int16_t>{kCloseFromControlMenu, kCloseFromControlMenu}));
  EXPECT_FALSE(form.isLoaded());
  EXPECT_FALSE(windows.isOnScreen("Probe"));
}

TEST_F(FormTest, ReloadingRebuildsTheLoadValuesAndRunsFormLoadAgain) {
  form.show();
  form.control("Label1").setCaption("changed");
  form.control("Line9").setVisible(true);
  form.control("Frame2").setEnabled(false);
  form.timer("Timer1").setInterval(0);
  form.unload();
  form.show();
  EXPECT_EQ(form.loads, 2);
  EXPECT_EQ(form.control("Label1").caption(), "design");
  EXPECT_FALSE(form.control("Line9").visible());
  EXPECT_TRUE(form.control("Frame2").enabled());
  EXPECT_EQ(form.timer("Timer1").interval(), 1);
}

TEST_F(FormTest, TickRunsRunningTimersInDispatchOrder) {
  form.onTimer("Timer1", [&] { calls.push_back("Timer1"); });
  form.onTimer("Timer2", [&] { calls.push_back("Timer2"); });
  form.onTimer("Timer3", [&] { calls.push_back("Timer3"); });
  form.tick();  // not loaded: nothing runs
  EXPECT_TRUE(calls.empty());
  form.show();
  form.tick();
  EXPECT_EQ(calls, (std::vector<std::string>{"Timer1", "Timer2"}));
  EXPECT_TRUE(form.hasRunningTimer());
  form.timer("Timer1").setInterval(0);
  form.timer("Timer2").setInterval(0);
  EXPECT_FALSE(form.hasRunningTimer());
}

TEST_F(FormTest, ATimerStoppedByAnEarlierHandlerMissesTheSameTick) {
  form.onTimer("Timer1", [&] {
    calls.push_back("Timer1");
    form.timer("Timer2").setInterval(0);
  });
  form.onTimer("Timer2", [&] { calls.push_back("Timer2"); });
  form.show();
  form.tick();
  EXPECT_EQ(calls, std::vector<std::string>{"Timer1"});
}

TEST_F(FormTest, ATimerStartedByAnEarlierHandlerFirstFiresOnTheNextTick) {
  form.onTimer("Timer1", [&] {
    calls.push_back("Timer1");
    form.timer("Timer3").setInterval(1);
  });
  form.onTimer("Timer2", [&] { form.timer("Timer2").setInterval(0); });
  form.onTimer("Timer3", [&] { calls.push_back("Timer3"); });
  form.show();
  form.tick();
  EXPECT_EQ(calls, std::vector<std::string>{"Timer1"});
  form.tick();
  EXPECT_EQ(calls, (std::vector<std::string>{"Timer1", "Timer1", "Timer3"}));
}

TEST_F(FormTest, AHandlerThatClosesTheWindowEndsTheTick) {
  form.onTimer("Timer1", [&] {
    calls.push_back("Timer1");
    form.unload();
  });
  form.onTimer("Timer2", [&] { calls.push_back("Timer2"); });
  form.show();
  form.tick();
  EXPECT_EQ(calls, std::vector<std::string>{"Timer1"});
  EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, NothingReachesTheWindowWhileAHandlersDialogIsOpen) {
  int ticks = 0;
  int labelClicks = 0;
  form.onTimer("Timer1", [&] {
    ++ticks;
    // The handler opens a modal box; the toolkit keeps delivering ticks, clicks and the
    // close box while it is open.
    fakes.messageBox.whileOpen = [&](const ShownMessage&) {
      form.tick();
      form.click("Label1");
      form.requestClose();
    };
    fakes.services.messageBox.show("open", kStyleExclamation, "BOX");
    fakes.messageBox.whileOpen = nullptr;
  });
  form.onClick("Label1", [&] { ++labelClicks; });
  form.show();
  form.tick();
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(labelClicks, 0);
  EXPECT_TRUE(form.closeReasons.empty());
  EXPECT_TRUE(form.isShown());
  // Once the handler has returned the window takes events again.
  form.click("Label1");
  EXPECT_EQ(labelClicks, 1);
}

TEST_F(FormTest, NothingReachesTheWindowWhileItsLoadDialogIsOpen) {
  int ticks = 0;
  form.onTimer("Timer1", [&] { ++ticks; });
  form.whileLoading = [&] { form.tick(); };
  form.show();
  EXPECT_EQ(ticks, 0);
  form.tick();
  EXPECT_EQ(ticks, 1);
}

TEST_F(FormTest, NothingReachesTheWindowWhileItsCloseRequestIsOpen) {
  int ticks = 0;
  int labelClicks = 0;
  form.onTimer("Timer1", [&] { ++ticks; });
  form.onClick("Label1", [&] { ++labelClicks; });
  form.show();
  // The close request shows a box, as the menu's does; the toolkit keeps delivering events.
  form.whileClosing = [&] {
    form.tick();
    form.click("Label1");
    form.requestClose();
  };
  form.requestClose();
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(labelClicks, 0);
  EXPECT_EQ(form.closeReasons, (std::vector<std::int16_t>{kCloseFromControlMenu}));
  EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, ClicksReachTheHandlerOfTheirControl) {
  std::vector<std::int16_t> indexes;
  form.onArrayClick("S", [&](std::int16_t index) { indexes.push_back(index); });
  form.onClick("Label1", [&] { calls.push_back("Label1"); });
  form.click("S(2)");  // not loaded yet
  form.show();
  form.click("S(2)");
  form.click("S(0)");
  form.click("S(7)");     // no such element
  form.click("S");        // the array's bare name is no control
  form.click("Frame2");   // a control without a handler
  form.click("Label1");
  EXPECT_EQ(indexes, (std::vector<std::int16_t>{2, 0}));
  EXPECT_EQ(calls, std::vector<std::string>{"Label1"});
}

TEST_F(FormTest, RevisionGrowsOnChangeOnly) {
  form.show();
  const std::uint64_t start = form.revision();
  form.control("Label1").setCaption("design");
  form.control("Line9").setVisible(false);
  form.control("Frame2").setEnabled(true);
  form.timer("Timer1").setInterval(1);
  EXPECT_EQ(form.revision(), start);
  const std::size_t eventsBefore = windows.events.size();
  form.control("Label1").setCaption("new");
  form.timer("Timer1").setInterval(0);
  form.stateChanged();
  EXPECT_EQ(form.revision(), start + 3);
  EXPECT_EQ(windows.events.size(), eventsBefore + 3);
}

}  // namespace
}  // namespace ttt::test
