// The toolkit's timeouts tick the shown windows' Timer1 while ticks change something, and only
// then.
#include "WindowsFixture.h"
#include "screens/Layouts.h"

namespace ttt::test {

// True when `ticks` stays as it is while the toolkit runs for a while.
static bool staysAt(const int& ticks, int expected) {
  return !waitUntil([&] { return ticks != expected; }, 0.05) && ticks == expected;
}

TEST_F(WindowsTest, TimeoutsTickWhileTicksChangeSomethingThenSleepsUntilWoken) {
  RecordingForm& form = open(twoPlayerLayout());
  RecordingForm& other = open(twoPlayerLayout());
  form.onTick = [](RecordingForm& self) {
    if (self.ticks <= 3) self.control("Label1").setCaption(std::to_string(self.ticks));
  };
  ASSERT_TRUE(waitUntil([&] { return windows.sleeping(); }));
  EXPECT_TRUE(staysAt(form.ticks, 4));
  EXPECT_EQ(other.ticks, 4);

  // Woken, it ticks again; a form that leaves the screen during that pass is not ticked in it.
  form.onTick = [&](RecordingForm& self) {
    other.unload();
    self.unload();
  };
  form.control("Label1").setCaption("woken");
  ASSERT_TRUE(waitUntil([&] { return form.ticks == 5 && windows.sleeping(); }));
  EXPECT_TRUE(staysAt(other.ticks, 4));
  form.show();  // watched again
  EXPECT_TRUE(waitUntil([&] { return form.ticks == 6 && windows.sleeping(); }));
}

TEST_F(WindowsTest, TimeoutsRunNoPassWhileATickHasADialogOpen) {
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
    other.control("Label1").setCaption("woken");
    EXPECT_TRUE(windows.sleeping());
    waitUntil([] { return false; }, 0.05);
    EXPECT_EQ(other.ticks, 0);
  };
  ASSERT_TRUE(waitUntil([&] { return other.ticks == 3 && windows.sleeping(); }));
  EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
  EXPECT_EQ(announcer.ticks, 1);
  EXPECT_TRUE(staysAt(other.ticks, 3));
}

}  // namespace ttt::test
