#include "forms/WindowRegistry.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "support/Fakes.h"

namespace ttt::test {
namespace {

using Texts = std::vector<std::string>;

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

FormLayout layoutNamed(const std::string& name) {
  FormLayout layout;
  layout.name = name;
  layout.controls.resize(1);
  layout.controls[0].name = "Label1";
  layout.timers = {{"Timer1", kEveryTick}};
  return layout;
}

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
  FormLayout firstLayout = layoutNamed("First"), secondLayout = layoutNamed("Second");
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
