// The toolkit's modal dialogs: the input box and the message box.
#include "WindowsFixture.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/fl_draw.H>
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "fltk/FltkInputBox.h"
#include "fltk/FltkMessageBox.h"
#include "screens/ApplicationTitle.h"

namespace ttt::test {

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

TEST(FltkServices, MessageBoxShowsTitleIconOneOkButtonAndItsTextLiterally) {
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

TEST(FltkServices, InputBoxAnswersTheTypedTextOnOkAndEmptyTextOtherwise) {
  const std::string name = "  Zoë & @Bob 100%s ";
  const std::pair<std::function<void(Fl_Window&, Seen&)>, std::string> ways[] = {
      {[](Fl_Window& dialog, Seen&) { pressKey(dialog, FL_Enter, "\r"); }, name},
      {[](Fl_Window&, Seen& seen) { seen.buttons.at("Cancel")->do_callback(); }, ""},
      {[](Fl_Window& dialog, Seen&) { pressKey(dialog, FL_Escape, "\033"); }, ""},
      {[](Fl_Window& dialog, Seen&) { Fl::handle(FL_CLOSE, &dialog); }, ""}};
  for (const auto& [leave, answer] : ways) {
    Seen seen;
    std::string answered, typed;
    const bool leftOpen = withDialog([&] { answered = FltkInputBox(kApplicationTitle).ask("ENTER ' NAME @ %d\r\nplease"); },
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

}  // namespace ttt::test
