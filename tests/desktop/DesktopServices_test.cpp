// The desktop's services: the toolkit's modal dialogs, the link launcher and the random source.
#include "WindowsFixture.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/fl_draw.H>
#include <fcntl.h>
#include <sys/wait.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "desktop/DesktopServices.h"

namespace ttt::test {
namespace fs = std::filesystem;

// Shows a dialog with `open` and runs `inspect` on it from inside the dialog's own loop; then
// hides the dialog if `inspect` left it open, so that no test hangs, and says whether it had to.
static bool withDialog(const std::function<void()>& open, std::function<void(Fl_Window&)> inspect) {
  static std::function<void(Fl_Window&)> pending;
  static bool leftOpen = false;
  pending = std::move(inspect);
  Fl::add_timeout(0.01, [](void*) {
    if (Fl_Window* dialog = Fl::modal()) {
      pending(*dialog);
      leftOpen = dialog->shown();
      dialog->hide();
    }
  });
  open();
  return std::exchange(leftOpen, false);
}

struct Seen {
  std::string title, prompt, icon;  // the prompt as shown: "@@" draws one '@'
  std::map<std::string, Fl_Widget*> buttons;
  Fl_Input* input = nullptr;
  std::array<int, 2> drawn{}, literal{};  // the prompt drawn as it is; the expected text drawn literally
};

static Seen read(Fl_Window& dialog, const std::string& expectedPrompt) {
  Seen seen;
  seen.title = dialog.label() != nullptr ? dialog.label() : "";
  for (int i = 0; i < dialog.children(); ++i) {
    Fl_Widget* child = dialog.child(i);
    const std::string label = child->label() != nullptr ? child->label() : "";
    if (!child->visible()) continue;
    if (dynamic_cast<Fl_Button*>(child) != nullptr) seen.buttons[label] = child;
    if (dynamic_cast<Fl_Input*>(child) != nullptr) seen.input = dynamic_cast<Fl_Input*>(child);
    if (dynamic_cast<Fl_Box*>(child) == nullptr) continue;
    if (child->box() != FL_NO_BOX) seen.icon = label;
    if (child->box() != FL_NO_BOX || !seen.prompt.empty()) continue;
    for (std::size_t at = 0; at < label.size(); at += label.compare(at, 2, "@@") == 0 ? 2 : 1)
      seen.prompt += label[at];
    fl_font(child->labelfont(), child->labelsize());
    fl_measure(label.c_str(), seen.drawn[0], seen.drawn[1], 1);
    fl_measure(expectedPrompt.c_str(), seen.literal[0], seen.literal[1], 0);
  }
  return seen;
}

TEST(DesktopServices, MessageBoxShowsTitleIconOneOkButtonAndItsTextLiterally) {
  const std::string contact = "Send & Receive @->\r\n\r\n    me@example.org 100%s %d";
  using Case = std::tuple<int, std::string, std::string, std::string>;  // style, title, prompt, icon
  for (const auto& [style, title, prompt, icon] :
       {Case{kStyleExclamation, "A WON !", "Won", "!"}, Case{kStyleInformation, "CONTACT !", contact, "i"}}) {
    std::string shown = prompt;
    std::erase(shown, '\r');
    Seen seen;
    withDialog([&] { FltkMessageBox().show(prompt, style, title); },
               [&](Fl_Window& dialog) { seen = read(dialog, shown); });
    EXPECT_EQ((std::array{seen.title, seen.prompt, seen.icon}), (std::array{title, shown, icon}));
    EXPECT_EQ(seen.drawn, seen.literal) << title;
    EXPECT_TRUE(seen.buttons.size() == 1 && seen.buttons.count("OK") == 1) << title;
  }
}

TEST(DesktopServices, InputBoxAnswersTheTypedTextOnOkAndEmptyTextOtherwise) {
  const std::string name = "  Zoë & @Bob 100%s ";
  const std::pair<std::function<void(Fl_Window&, Seen&)>, std::string> ways[] = {
      {[](Fl_Window& dialog, Seen&) { pressKey(dialog, FL_Enter, "\r"); }, name},
      {[](Fl_Window&, Seen& seen) { seen.buttons.at("Cancel")->do_callback(); }, ""},
      {[](Fl_Window& dialog, Seen&) { pressKey(dialog, FL_Escape, "\033"); }, ""},
      {[](Fl_Window& dialog, Seen&) { Fl::handle(FL_CLOSE, &dialog); }, ""}};
  for (const auto& [leave, answer] : ways) {
    Seen seen;
    std::string answered, typed;
    const bool leftOpen = withDialog([&] { answered = FltkInputBox().ask("ENTER ' NAME @ %d\r\nplease"); },
                                     [&](Fl_Window& dialog) {
                                       seen = read(dialog, "ENTER ' NAME @ %d\nplease");
                                       ASSERT_NE(seen.input, nullptr);
                                       seen.input->take_focus();  // a late focus event may have moved it
                                       pressKey(dialog, 'a', name);  // composed text comes as one key
                                       typed = seen.input->value();
                                       leave(dialog, seen);
                                     });
    EXPECT_EQ((std::tuple{leftOpen, answered, typed}), (std::tuple{false, answer, name}));
    EXPECT_EQ(seen.title, "Orvane'S Tic Tac Toe !");
    EXPECT_EQ(seen.prompt, "ENTER ' NAME @ %d\nplease");
    EXPECT_EQ(seen.drawn, seen.literal);
  }
}

TEST(DesktopServices, LauncherHandsOnlyAStartTargetToTheOpenerAsOneArgumentAndDoesNotWait) {
  char pattern[] = "/tmp/ttt-opener-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const fs::path dir = pattern;
  // A fake opener first on PATH: it waits for "go", then records its arguments and descriptors.
  std::ofstream(dir / "xdg-open") << "#!/bin/sh\ni=0\nwhile [ ! -e " << dir / "go"
                                  << " ] && [ $((i += 1)) -lt 500 ]; do sleep 0.01; done\n"
                                  << "fds=$(cd /proc/$$/fd && readlink 0 1 2 $LEAK)\n"
                                  << "printf '%s\\n' \"$#\" \"$1\" \"$fds\" >> " << dir / "record" << "\n";
  fs::permissions(dir / "xdg-open", fs::perms::owner_all);
  const std::string path = std::getenv("PATH");
  setenv("PATH", (dir.string() + ":" + path).c_str(), 1);
  const int leak = open("/dev/null", O_RDONLY);  // the opener must not inherit it
  setenv("LEAK", std::to_string(leak).c_str(), 1);
  testing::internal::CaptureStderr();
  UriLauncher("ttt-no-such-opener").run("start.exe http://a.example/", kHiddenWindow);
  UriLauncher launcher;
  // Not the launcher's form, no target, and a target the opener would read as an option.
  for (const char* ignored : {"xdg-open http://a.example/", "start.exe", "start.exe --help"})
    launcher.run(ignored, kHiddenWindow);
  const std::string target = "http://a.example/x;touch pwned && echo $(id) `id` 'q\" &";
  launcher.run("start.exe " + target, kHiddenWindow);
  EXPECT_FALSE(fs::exists(dir / "record")) << "run() waited for the opener";
  std::ofstream(dir / "go").flush();
  while (waitpid(-1, nullptr, 0) > 0) {
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // a missing opener is silent
  std::ifstream record(dir / "record");
  std::vector<std::string> lines;
  for (std::string line; std::getline(record, line);) lines.push_back(line);
  // One argument, its streams on /dev/null, and no other descriptor of ours.
  EXPECT_EQ(lines, (std::vector<std::string>{"1", target, "/dev/null", "/dev/null", "/dev/null"}));
  close(leak);
  setenv("PATH", path.c_str(), 1);
  fs::remove_all(dir);
}

TEST(DesktopServices, RandomReseedsWithinOneClockReadingGiveFreshValuesOverAllNineCells) {
  // Re-seeded again and again at a reading that never moves, as a coarse clock looks to a loop.
  for (const std::uint64_t reading : {std::uint64_t{0}, std::uint64_t{1234567}, ~std::uint64_t{0}}) {
    ClockRandomSource random([reading] { return reading; });
    std::set<float> values;
    std::array<int, 9> cells{};
    for (int i = 0; i < 9000; ++i) {
      random.reseedFromClock();
      const float r = random.next();
      // In [0, 1) and made of 24 bits, so that the float holds it exactly and never rounds up to 1.
      ASSERT_TRUE(r >= 0.0f && r < 1.0f && r * 16777216.0f == std::floor(r * 16777216.0f)) << r;
      values.insert(r);
      ++cells[static_cast<std::size_t>(std::floor(r * 9.0f))];
    }
    EXPECT_GT(values.size(), 8990u);  // about 2 repeats are expected among 2^24 values
    for (const int count : cells) EXPECT_GT(count, 850);
  }
}

}  // namespace ttt::test
