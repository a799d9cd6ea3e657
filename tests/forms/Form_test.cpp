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

using Texts = std::vector<std::string>;

FormLayout probeLayout() {
  FormLayout layout;
  layout.name = "Probe";
  layout.controls.resize(2);
  layout.controls[0].name = "Label1";
  layout.controls[1].name = "Line9";
  layout.controls[1].visible = false;
  layout.timers = {{"Timer1", 1}, {"Timer2", 1}, {"Timer3", 0}};
  return layout;
}

// A window whose load, close request and timers run what the test gives them.
class ProbeForm : public Form {
 public:
  using Form::Form;
  // Logs the timer's name when it fires, then runs `then`.
  void onTick(
      const std::string& name, std::function<void()> then = [] {}) {
    timer(name).onTick([this, name, then] {
      calls.push_back(name);
      then();
    });
  }

  std::function<void()> whileLoading = [] {};
  std::function<void()> whileClosing = [] {};
  std::int16_t cancelAnswer = 0;
  Texts calls;

 protected:
  void Form_Load() override { whileLoading(); }
  void Form_QueryUnload(std::int16_t& cancel, std::int16_t reason) override {
    EXPECT_EQ(cancel, 0);
    calls.push_back("close " + std::to_string(reason));
    whileClosing();
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
};

TEST_F(FormTest, EveryLoadBuildsTheLoadValuesAndRunsFormLoadBeforeShowing) {
  form.whileLoading = [&] {
    EXPECT_FALSE(form.control("Line9").visible());
    EXPECT_EQ(form.timer("Timer1").interval(), 1);
    form.control("Line9").setVisible(true);
    form.timer("Timer1").setInterval(kStopped);
  };
  form.show();
  form.show();  // a loaded window is raised, not loaded again
  // The desktop ticks only while the revision moves: a setter that changes nothing must not.
  const std::uint64_t revision = form.revision();
  form.control("Line9").setVisible(true);
  form.timer("Timer1").setInterval(kStopped);
  EXPECT_EQ(form.revision(), revision);
  EXPECT_EQ(windows.events, (Texts{"Probe Line9", "Probe Timer1=0", "shown Probe", "shown Probe"}));
  EXPECT_TRUE(form.control("Line9").visible());
  form.unload();
  EXPECT_THROW(form.control("Label1").caption(), std::logic_error);
  form.show();
  EXPECT_EQ(windows.events.size(), 8u);  // the load ran again on rebuilt controls
}

TEST_F(FormTest, UnloadAsksWithReasonOneAndTheCloseBoxWithReasonZeroWhichMayCancel) {
  form.show();
  form.cancelAnswer = 1;
  form.requestClose();
  EXPECT_EQ(windows.onScreen, Texts{"Probe"});
  form.cancelAnswer = 0;
  form.requestClose();
  form.unload();  // closing a closed window asks nothing
  form.show();
  form.unload();
  EXPECT_TRUE(windows.onScreen.empty());
  EXPECT_EQ(form.calls, (Texts{"close 0", "close 0", "close 1"}));
}

TEST_F(FormTest, ATickRunsTheTimersRunningAtItsStartInDispatchOrder) {
  form.onTick("Timer1", [&] {
    if (form.calls.size() > 1) return;
    form.timer("Timer2").setInterval(kStopped);    // misses this tick
    form.timer("Timer3").setInterval(kEveryTick);  // first fires on the next tick
  });
  form.onTick("Timer2");
  form.onTick("Timer3", [&] { form.timer("Timer2").setInterval(kEveryTick); });
  form.tick();  // not loaded
  form.show();
  for (int i = 0; i < 3; ++i) form.tick();
  form.onTick("Timer1", [&] { form.unload(); });
  form.tick();
  EXPECT_EQ(form.calls, (Texts{"Timer1", "Timer1", "Timer3", "Timer1", "Timer2", "Timer3", "Timer1",
                               "close 1"}));
}

TEST_F(FormTest, NothingReentersTheWindowWhileAHandlerOrCloseRequestHasADialogOpen) {
  form.control("Label1").onClick([&] {
    form.calls.push_back("Label1");
    fakes.messageBox.show("clicked", 0, "BOX");
  });
  form.onTick("Timer1", [&] { fakes.messageBox.show("ticked", 0, "BOX"); });
  // The toolkit keeps delivering ticks, clicks and the close box while a modal box is open.
  const auto deliverEverything = [&] {
    form.tick();
    form.control("Label1").click();
    form.requestClose();
  };
  deliverEverything();  // not loaded
  form.whileLoading = deliverEverything;
  // Only the outermost box delivers, so a window that lets a handler in fails, not recurses.
  int boxesOpen = 0;
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    if (boxesOpen++ == 0) deliverEverything();
    --boxesOpen;
  };
  form.show();
  EXPECT_TRUE(form.calls.empty());
  form.tick();
  form.control("Label1").click();  // the handler has returned: events get through again
  form.whileClosing = deliverEverything;
  form.requestClose();
  EXPECT_EQ(form.calls, (Texts{"Timer1", "Label1", "close 0"}));
}

// A window whose members name widgets of its layout.
class BoundForm : public Form {
 public:
  BoundForm(const FormLayout& layout, Services& services, const std::string& arrayName = "S")
      : Form(layout, services), cells(controlArray(arrayName, 2)) {
    for (std::int16_t index = 0; index < cells.size(); ++index) {
      cells[index].onClick([this, index] { clicked.push_back(index); });
    }
    Timer2.onTick([this] { Label1.setCaption("ticked"); });
  }
  Control& Label1{control("Label1")};
  ControlArray cells;
  Timer& Timer2{timer("Timer2")};
  std::vector<std::int16_t> clicked;
};

TEST_F(FormTest, MembersFailAtConstructionNamingWhatTheLayoutLacksAndKeepTheirControls) {
  layout.controls.resize(4);
  layout.controls[2].name = layout.controls[3].name = "S";
  layout.controls[2].index = 0;
  layout.controls[3].index = 1;
  layout.controls[2].caption = "?";
  const auto failure = [&](const FormLayout& lacking, const std::string& arrayName = "S") {
    try {
      BoundForm bound(lacking, fakes.services, arrayName);
    } catch (const std::logic_error& error) {
      return std::string(error.what());
    }
    return std::string("constructed");
  };
  EXPECT_EQ(failure(layout, "Label"), "Probe has no control Label(0)");
  FormLayout lacking = layout;
  lacking.controls.pop_back();
  EXPECT_EQ(failure(lacking), "Probe has no control S(1)");
  lacking = layout;
  lacking.controls[0].name = "Label2";
  EXPECT_EQ(failure(lacking), "Probe has no control Label1");
  lacking = layout;
  lacking.timers.resize(1);
  EXPECT_EQ(failure(lacking), "Probe has no timer Timer2");

  BoundForm bound(layout, fakes.services);
  Control& cell = bound.cells[0];
  // Before the first load and after an unload, the window's widgets do not exist.
  const auto unreachable = [&] {
    EXPECT_THROW(bound.Label1.caption(), std::logic_error);
    EXPECT_THROW(cell.setCaption("X"), std::logic_error);
    EXPECT_THROW(bound.Timer2.setInterval(kEveryTick), std::logic_error);
  };
  unreachable();
  cell.click();  // nothing to run it on
  for (int load = 0; load < 2; ++load) {
    bound.show();
    // Back at their load values.
    EXPECT_EQ(cell.caption(), "?");
    EXPECT_TRUE(cell.visible());
    EXPECT_TRUE(cell.enabled());
    EXPECT_EQ(bound.Timer2.interval(), 1);
    cell.setCaption("X");
    cell.setVisible(false);
    cell.setEnabled(false);
    bound.Timer2.setInterval(kStopped);
    bound.Timer2.setInterval(kEveryTick);
    bound.cells[1].click();
    bound.tick();
    EXPECT_EQ(&bound.Label1, &bound.control("Label1"));
    EXPECT_EQ(&bound.cells[1], &bound.control("S(1)"));
    EXPECT_EQ(bound.Label1.caption(), "ticked");
    bound.unload();
    unreachable();
    bound.cells[1].click();
  }
  EXPECT_EQ(bound.clicked, (std::vector<std::int16_t>{1, 1}));
  EXPECT_THROW(bound.cells[2], std::out_of_range);
}

}  // namespace
}  // namespace ttt::test
