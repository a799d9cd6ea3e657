// The window model, and the registry that gives shown forms their windows and their ticks.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "forms/Form.h"
#include "forms/WindowRegistry.h"
#include "support/Fakes.h"
#include "support/RecordingWindows.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

// Label1, a hidden Line9, and the cells S(0) and S(1); Timer1 and Timer2 running, Timer3 not.
FormLayout probeLayout(const std::string& formName = "Probe") {
  FormLayout layout;
  layout.name = formName;
  for (const char* name : {"Label1", "Line9", "S", "S"}) layout.controls.emplace_back().name = name;
  layout.controls[1].visible = false;
  layout.controls[2].index = 0;
  layout.controls[2].caption = "?";
  layout.controls[3].index = 1;
  layout.timers = {{"Timer1", 1}, {"Timer2", 1}, {"Timer3", 0}};
  return layout;
}

// A window whose load, close request and timers run what the test gives them; its members
// name widgets of its layout.
class ProbeForm : public Form {
 public:
  ProbeForm(const FormLayout& layout, Services& services)
      : Form(layout, services), cells(controlArray("S", 2)) {}
  // Logs the timer's name when it fires, then runs `then`.
  void onTick(const std::string& name, std::function<void()> then = nullptr) {
    timer(name).onTick([this, name, then] {
      calls.push_back(name);
      if (then) then();
    });
  }
  Control& Label1{control("Label1")};
  ControlArray cells;
  Timer& Timer2{timer("Timer2")};
  std::function<void()> whileLoading = [] {}, whileClosing = [] {};
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

TEST_F(FormTest, EveryLoadRestoresTheLoadValuesRunsFormLoadFirstAndKeepsTheHandlers) {
  Control& cell = form.cells[0];
  form.cells[1].onClick([&] { form.calls.push_back("S(1)"); });
  form.onTick("Timer2");
  const auto unreachable = [&] {  // before the first load and after an unload
    EXPECT_THROW(form.Label1.caption(), std::logic_error);
    EXPECT_THROW(cell.setCaption("X"), std::logic_error);
    EXPECT_THROW(form.Timer2.setInterval(kEveryTick), std::logic_error);
    form.cells[1].click();  // nothing to run it on
  };
  unreachable();
  form.whileLoading = [&] {
    EXPECT_FALSE(form.control("Line9").visible());
    EXPECT_EQ(cell.caption(), "?");
    EXPECT_TRUE(cell.enabled());
    EXPECT_EQ(form.Timer2.interval(), 1);
    form.control("Line9").setVisible(true);
  };
  for (int load = 0; load < 2; ++load) {
    form.show();
    form.show();  // a loaded window is raised, not loaded again
    // The desktop ticks only while the revision moves: a setter that changes nothing must not.
    const std::uint64_t revision = form.revision();
    form.control("Line9").setVisible(true);
    form.Timer2.setInterval(1);
    EXPECT_EQ(form.revision(), revision);
    cell.setCaption("X");
    cell.setEnabled(false);
    form.cells[1].click();
    form.tick();
    form.unload();
    unreachable();
  }
  EXPECT_EQ(windows.events.size(), 12u);  // the second load as the first
  EXPECT_EQ(Texts(windows.events.begin(), windows.events.begin() + 6),
            (Texts{"Probe Line9", "shown Probe", "shown Probe", "Probe S(0)", "Probe S(0)",
                   "unloaded Probe"}));
  EXPECT_EQ(form.calls, (Texts{"S(1)", "Timer2", "close 1", "S(1)", "Timer2", "close 1"}));
  EXPECT_EQ(&form.cells[1], &form.control("S(1)"));
  EXPECT_THROW(form.cells[2], std::out_of_range);
}

TEST_F(FormTest, MembersFailAtConstructionNamingWhatTheLayoutLacks) {
  // What the layout lacks, and the error.
  const std::pair<std::function<void(FormLayout&)>, const char*> cases[] = {
      {[](FormLayout& l) { l.controls.pop_back(); }, "Probe has no control S(1)"},
      {[](FormLayout& l) { l.controls[0].name = "Label2"; }, "Probe has no control Label1"},
      {[](FormLayout& l) { l.timers.resize(1); }, "Probe has no timer Timer2"}};
  for (const auto& [lack, message] : cases) {
    FormLayout lacking = probeLayout();
    lack(lacking);
    try {
      ProbeForm bound(lacking, fakes.services);
      ADD_FAILURE() << "constructed without " << message;
    } catch (const std::logic_error& error) {
      EXPECT_STREQ(error.what(), message);
    }
  }
}

TEST_F(FormTest, ATickRunsTheTimersRunningAtItsStartInDispatchOrder) {
  form.onTick("Timer1", [&] {
    if (form.calls.size() > 1) return;
    form.Timer2.setInterval(kStopped);             // misses this tick
    form.timer("Timer3").setInterval(kEveryTick);  // first fires on the next tick
  });
  form.onTick("Timer2");
  form.onTick("Timer3", [&] { form.Timer2.setInterval(kEveryTick); });
  form.tick();  // not loaded
  form.show();
  for (int i = 0; i < 3; ++i) form.tick();
  form.onTick("Timer1", [&] { form.unload(); });
  form.tick();
  EXPECT_EQ(form.calls, (Texts{"Timer1", "Timer1", "Timer3", "Timer1", "Timer2", "Timer3", "Timer1",
                               "close 1"}));
}

// Unloading asks with reason 1, as the other tests show; the close box asks with reason 0.
TEST_F(FormTest, NothingReentersWhileAHandlerOrCloseRequestHasADialogOpenAndCloseMayCancel) {
  form.Label1.onClick([&] {
    form.calls.push_back("Label1");
    fakes.messageBox.show("clicked", 0, "BOX");
  });
  form.onTick("Timer1", [&] { fakes.messageBox.show("ticked", 0, "BOX"); });
  // The toolkit keeps delivering ticks, clicks and the close box while a modal box is open.
  const auto deliverEverything = [&] {
    form.tick();
    form.Label1.click();
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
  form.Label1.click();  // the handler has returned: events get through again
  form.whileClosing = deliverEverything;
  form.cancelAnswer = 1;
  form.requestClose();
  EXPECT_EQ(windows.onScreen, Texts{"Probe"});
  form.cancelAnswer = 0;
  form.requestClose();
  form.unload();  // a closed window is not asked
  EXPECT_TRUE(windows.onScreen.empty());
  EXPECT_EQ(form.calls, (Texts{"Timer1", "Label1", "close 0", "close 0"}));
}

// Stands in for a toolkit: its windows log what is done to them, and a requested timeout
// comes only when the test says so.
class FakeToolkit : public WindowToolkit {
 public:
  struct Window : FormWindow {
    Window(Texts& events, std::string formName) : log(events), name(std::move(formName)) {}
    void open() override { log.push_back("open " + name); }
    void raise() override { log.push_back("raise " + name); }
    void close() override { log.push_back("close " + name); }
    ~Window() override { log.push_back("free " + name); }
    Texts& log;
    std::string name;
  };

  std::unique_ptr<FormWindow> createWindow(Form& form) override {
    return std::make_unique<Window>(log, form.name());
  }
  void destroyLater(std::unique_ptr<FormWindow> window) override {
    log.push_back("later");
    closed.push_back(std::move(window));
  }
  void requestTimeout() override { ++requests; }

  Texts log;
  std::vector<std::unique_ptr<FormWindow>> closed;
  int requests = 0;
};

class WindowRegistryTest : public ::testing::Test {
 protected:
  // Each form's Timer1 counts its ticks and runs what the test gives it.
  WindowRegistryTest() {
    for (Form* form : {&first, &second}) {
      form->setObserver(&registry);
      form->timer("Timer1").onTick([this, form] {
        ++ticks[form];
        onTick[form]();
      });
    }
  }
  // Delivers the requested timeouts, one at a time, as the toolkit would; at most `limit`.
  int runTimeouts(int limit = 100) {
    int delivered = 0;
    while (toolkit.requests > 0 && delivered < limit) {
      --toolkit.requests;
      ++delivered;
      registry.timeout();
    }
    return delivered;
  }
  FakeServices fakes;
  FakeToolkit toolkit;
  WindowRegistry registry{toolkit};
  FormLayout firstLayout = probeLayout("First"), secondLayout = probeLayout("Second");
  Form first{firstLayout, fakes.services}, second{secondLayout, fakes.services};
  std::map<Form*, int> ticks;
  std::map<Form*, std::function<void()>> onTick{{&first, [] {}}, {&second, [] {}}};
};

TEST_F(WindowRegistryTest, AShownFormGetsOneWindowRaisedAfterwardsAndClosedThenFreedLater) {
  first.show();
  second.show();
  first.show();
  EXPECT_EQ(registry.windowsInShownOrder(),
            (std::vector<FormWindow*>{registry.window(second), registry.window(first)}));
  first.unload();
  EXPECT_EQ(registry.window(first), nullptr);
  EXPECT_EQ(toolkit.log,
            (Texts{"open First", "open Second", "raise First", "close First", "later"}));
  toolkit.closed.clear();
  first.show();  // a new window for the new load
  EXPECT_EQ(toolkit.log.back(), "open First");
  EXPECT_EQ(toolkit.log.end()[-2], "free First");
}

TEST_F(WindowRegistryTest, TicksRunWhileTheyChangeSomethingThenSleepUntilTheModelChanges) {
  onTick[&first] = [&] {
    if (ticks[&first] <= 3) first.control("Label1").setCaption(std::to_string(ticks[&first]));
  };
  first.show();
  EXPECT_EQ(toolkit.requests, 1);  // one request, however many changes come before it
  EXPECT_EQ(runTimeouts(), 4);     // three that changed the label, one that did not
  EXPECT_TRUE(registry.sleeping());
  EXPECT_EQ(ticks[&first], 4);
  first.control("Label1").setCaption("woken");
  first.control("Label1").setCaption("again");
  EXPECT_EQ(toolkit.requests, 1);
  EXPECT_EQ(runTimeouts(), 1);
  EXPECT_EQ(ticks[&first], 5);
}

TEST_F(WindowRegistryTest, AFormClosedDuringAPassIsNotTickedInItNorDoesAPassRunInsideAnother) {
  first.show();
  second.show();
  onTick[&first] = [&] { second.unload(); };
  runTimeouts(1);
  EXPECT_EQ(ticks[&first], 1);
  EXPECT_EQ(ticks[&second], 0);
  second.show();
  // The box's own loop delivers the toolkit's timeouts while the first form's handler waits.
  onTick[&first] = [&] {
    first.timer("Timer1").setInterval(kStopped);
    fakes.messageBox.show("Decided", kStyleExclamation, "TIE !");
  };
  fakes.messageBox.whileOpen = [&](const ShownMessage&) {
    second.control("Label1").setCaption("changed meanwhile");
    EXPECT_EQ(toolkit.requests, 0) << "the change is seen when the pass ends";
    registry.timeout();  // a timeout the box's loop delivers all the same
    EXPECT_EQ(ticks[&second], 0) << "no pass inside the one that opened the box";
  };
  runTimeouts(1);
  EXPECT_EQ(toolkit.requests, 1) << "the change made meanwhile asks for one more pass";
  runTimeouts();
  EXPECT_EQ(ticks[&second], 2) << "shown again, it is ticked again";
  EXPECT_EQ(ticks[&first], 2);
}

}  // namespace
}  // namespace ttt::test
