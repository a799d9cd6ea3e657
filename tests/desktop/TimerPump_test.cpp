#include "desktop/TimerPump.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "ModalDialogDriver.h"
#include "desktop/FltkMessageBox.h"
#include "forms/Form.h"
#include "forms/FormObserver.h"
#include "support/Fakes.h"

namespace ttt::test {
namespace {

FormLayout tickingLayout(const std::string& name, int interval) {
  FormLayout layout;
  layout.name = name;
  ControlLayout label;
  label.name = "Label1";
  label.caption = "0";
  layout.controls.push_back(label);
  layout.timers.push_back({"Timer1", interval});
  return layout;
}

// A window with one timer whose handler the test supplies; it counts its ticks and how
// deeply they are nested.
class TickingForm : public Form {
 public:
  TickingForm(const FormLayout& layout, Services& services) : Form(layout, services) {
    onTimer("Timer1", [this] {
      ++ticks;
      ++depth;
      if (depth > maxDepth) maxDepth = depth;
      if (handler) handler(*this);
      --depth;
    });
  }
  void setLabel(int value) { control("Label1").setCaption(std::to_string(value)); }
  void stopTimer() { timer("Timer1").setInterval(0); }

  std::function<void(TickingForm&)> handler;
  int ticks = 0;
  int depth = 0;
  int maxDepth = 0;
};

// Stands in for the desktop's windows: a form on screen is watched, a closed one forgotten,
// and every change wakes the pump.
class PumpedWindows : public FormObserver {
 public:
  explicit PumpedWindows(TimerPump& pump) : pump_(pump) {}
  void formShown(Form& form) override { pump_.watch(form); }
  void formUnloaded(Form& form) override { pump_.forget(form); }
  void controlChanged(Form&, const Control&) override { pump_.wake(); }
  void timerChanged(Form&, const Timer&) override { pump_.wake(); }
  void stateChanged(Form&) override { pump_.wake(); }

 private:
  TimerPump& pump_;
};

// Becomes true once the toolkit has run a timeout of the given delay.
class Deadline {
 public:
  explicit Deadline(double seconds) { Fl::add_timeout(seconds, &Deadline::reached, this); }
  ~Deadline() { Fl::remove_timeout(&Deadline::reached, this); }
  Deadline(const Deadline&) = delete;
  Deadline& operator=(const Deadline&) = delete;
  bool passed() const { return passed_; }

 private:
  static void reached(void* data) { static_cast<Deadline*>(data)->passed_ = true; }
  bool passed_ = false;
};

class TimerPumpTest : public testing::Test {
 protected:
  std::unique_ptr<TickingForm> makeForm(const FormLayout& layout) {
    auto form = std::make_unique<TickingForm>(layout, fakes_.services);
    form->setObserver(&windows_);
    return form;
  }
  // Lets the toolkit run for a while and reports whether `ticks` stayed as it was.
  static bool staysAt(const int& ticks, int expected) {
    const Deadline later(0.05);
    EXPECT_TRUE(runUntil([&] { return later.passed() || ticks != expected; }));
    return ticks == expected;
  }

  FakeServices fakes_;
  TimerPump pump_;
  PumpedWindows windows_{pump_};
  FormLayout runningLayout_ = tickingLayout("Running", 1);
  FormLayout secondLayout_ = tickingLayout("Second", 1);
};

TEST_F(TimerPumpTest, SleepsAfterAPassThatChangesNothingUntilWoken) {
  auto form = makeForm(runningLayout_);
  form->show();
  EXPECT_FALSE(pump_.sleeping());
  ASSERT_TRUE(runUntil([&] { return form->ticks >= 1 && pump_.sleeping(); }));
  EXPECT_EQ(form->ticks, 1);
  EXPECT_TRUE(staysAt(form->ticks, 1));
  EXPECT_TRUE(pump_.sleeping());

  pump_.wake();
  EXPECT_FALSE(pump_.sleeping());
  ASSERT_TRUE(runUntil([&] { return form->ticks >= 2 && pump_.sleeping(); }));
  EXPECT_EQ(form->ticks, 2);
}

TEST_F(TimerPumpTest, TicksWhileTicksChangeSomethingAndSkipsStoppedTimers) {
  FormLayout stoppedLayout = tickingLayout("Stopped", 0);
  auto stopped = makeForm(stoppedLayout);
  auto form = makeForm(runningLayout_);
  form->handler = [](TickingForm& self) {
    self.setLabel(self.ticks);
    if (self.ticks == 5) self.stopTimer();
  };
  stopped->show();
  form->show();
  ASSERT_TRUE(runUntil([&] { return form->ticks >= 5 && pump_.sleeping(); }));
  EXPECT_EQ(form->ticks, 5);
  EXPECT_EQ(form->control("Label1").caption(), "5");
  EXPECT_EQ(stopped->ticks, 0);
  EXPECT_TRUE(staysAt(form->ticks, 5));
}

TEST_F(TimerPumpTest, ModalDialogOpenedByATickDoesNotReenterThePass) {
  auto announcer = makeForm(runningLayout_);
  auto other = makeForm(secondLayout_);
  FltkMessageBox messageBox;
  announcer->handler = [&](TickingForm& self) {
    self.stopTimer();
    messageBox.show("Decided", kStyleExclamation, "TIE !");
  };
  other->handler = [](TickingForm& self) {
    self.setLabel(self.ticks);
    if (self.ticks == 3) self.stopTimer();
  };
  int otherTicksWhileOpen = -1;
  bool sleepingAfterWake = false;
  bool sleepingWhileOpen = false;
  ModalDialogDriver driver([&](DialogParts& dialog) {
    // A change while the dialog is open schedules nothing: the pass sees it when it ends.
    pump_.wake();
    sleepingAfterWake = pump_.sleeping();
    const Deadline later(0.05);
    runUntil([&] { return later.passed(); });
    otherTicksWhileOpen = other->ticks;
    sleepingWhileOpen = pump_.sleeping();
    if (Fl_Button* ok = dialog.button("OK")) ok->do_callback();
  });
  announcer->show();
  other->show();
  ASSERT_TRUE(runUntil([&] { return driver.acted() && other->ticks >= 3 && pump_.sleeping(); }));
  EXPECT_EQ(otherTicksWhileOpen, 0);
  EXPECT_TRUE(sleepingAfterWake);
  EXPECT_TRUE(sleepingWhileOpen);
  EXPECT_EQ(announcer->ticks, 1);
  EXPECT_EQ(announcer->maxDepth, 1);
  EXPECT_EQ(other->ticks, 3);
}

TEST_F(TimerPumpTest, FormThatLeavesTheScreenDuringAPassIsNotTickedAfterwards) {
  auto first = makeForm(runningLayout_);
  auto second = makeForm(secondLayout_);
  first->handler = [&](TickingForm& self) {
    // The second window leaves the screen while it is still loaded with a running timer.
    pump_.forget(*second);
    self.stopTimer();
  };
  first->show();
  second->show();
  ASSERT_TRUE(runUntil([&] { return first->ticks >= 1 && pump_.sleeping(); }));
  EXPECT_EQ(second->ticks, 0);
  EXPECT_TRUE(staysAt(second->ticks, 0));
}

TEST_F(TimerPumpTest, FormsClosedAndDestroyedDuringAPassAreLeftAlone) {
  auto first = makeForm(runningLayout_);
  auto second = makeForm(secondLayout_);
  first->handler = [&](TickingForm& self) {
    second->unload();
    second.reset();
    self.unload();
  };
  first->show();
  second->show();
  ASSERT_TRUE(runUntil([&] { return first->ticks >= 1 && pump_.sleeping(); }));
  EXPECT_EQ(second, nullptr);
  EXPECT_FALSE(first->isLoaded());

  // Shown again, the first window is watched and ticked again.
  first->handler = [](TickingForm& self) { self.stopTimer(); };
  first->show();
  ASSERT_TRUE(runUntil([&] { return first->ticks >= 2 && pump_.sleeping(); }));
  EXPECT_EQ(first->ticks, 2);
}

}  // namespace
}  // namespace ttt::test
