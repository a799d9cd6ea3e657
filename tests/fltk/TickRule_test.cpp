// The pump ticks the shown windows' Timer1 while ticks change something, and only then.
#include "WindowsFixture.h"
#include "screens/Layouts.h"

namespace ttt::test {

// True when `ticks` stays as it is while the toolkit runs for a while.
static bool staysAt(const int& ticks, int expected) {
  return !waitUntil([&] { return ticks != expected; }, 0.05) && ticks == expected;
}

TEST_F(WindowsTest, PumpTicksWhileTicksChangeSomethingThenSleepsUntilWoken) {
  RecordingForm& form = open(twoPlayerLayout());
  RecordingForm& other = open(twoPlayerLayout());
  form.onTick = [](RecordingForm& self) {
    if (self.ticks <= 3) self.control("Label1").setCaption(std::to_string(self.ticks));
  };
  ASSERT_TRUE(waitUntil([&] { return pump.sleeping(); }));
  EXPECT_TRUE(staysAt(form.ticks, 4));
  EXPECT_EQ(other.ticks, 4);

  // Woken, it ticks again; a form that leaves the screen during that pass is not ticked in it,
  // though it is still loaded with a running timer.
  form.onTick = [&](RecordingForm& self) {
    pump.forget(other);
    self.unload();
  };
  pump.wake();
  ASSERT_TRUE(waitUntil([&] { return form.ticks == 5 && pump.sleeping(); }));
  EXPECT_TRUE(staysAt(other.ticks, 4));
  form.show();  // watched again
  EXPECT_TRUE(waitUntil([&] { return form.ticks == 6 && pump.sleeping(); }));
}

TEST_F(WindowsTest, PumpRunsNoPassWhileATickHasADialogOpen) {
  RecordingForm& announcer = open(twoPlayerLayout());
  RecordingForm& other = open(twoPlayerLayout());
  announcer.onTick = [&](RecordingForm& self) {
    self.timer("Timer1").setInterval(0);
    fakes.messageBox.show("Decided", kStyleExclamation, "TIE !");
  };
  other.onTick = [](RecordingForm& self) {
    self.control("Label1").setCaption(std::to_string(self.ticks));
    if (self.ticks == 3) self.timer("Timer1").setInterval(0);
  };
  // The box runs the toolkit's loop as a modal dialog does; a change meanwhile waits for the pass.
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    pump.wake();
    EXPECT_TRUE(pump.sleeping());
    waitUntil([] { return false; }, 0.05);
    EXPECT_EQ(other.ticks, 0);
  };
  ASSERT_TRUE(waitUntil([&] { return other.ticks == 3 && pump.sleeping(); }));
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(announcer.ticks, 1);
  EXPECT_TRUE(staysAt(other.ticks, 3));
}

}  // namespace ttt::test
