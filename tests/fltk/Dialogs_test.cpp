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

#include "fltk/FltkDialogs.h"
#include "fltk/NameInput.h"
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
  std::array<int, 2> drawn{},
      literal{};  // the prompt drawn as it is; the expected text drawn literally
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
  using Case =
      std::tuple<int, std::string, std::string, std::string>;  // style, title, prompt, icon
  for (const auto& [style, title, prompt, icon] :
       {Case{kStyleExclamation, "A WON !", "Won", "!"},
        Case{kStyleInformation, "CONTACT !", contact, "i"}}) {
    std::string shown = prompt;
    std::erase(shown, '\r');
    Seen seen;
    withDialog([&] { FltkMessageBox().show(prompt, style, title); },
               [&](Fl_Window& dialog) { seen = read(dialog, shown); });
    EXPECT_EQ((std::array{seen.title, seen.prompt, seen.icon}), (std::array{title, shown, icon}));
    EXPECT_EQ(seen.drawn, seen.literal) << title;
    EXPECT_EQ(seen.buttons.size(), 1u) << title;
    EXPECT_EQ(seen.buttons.count("OK"), 1u) << title;
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
    const bool leftOpen = withDialog(
        [&] { answered = FltkInputBox(kApplicationTitle).ask("ENTER ' NAME @ %d\r\nplease"); },
        [&](Fl_Window& dialog) {
          seen = read(dialog, "ENTER ' NAME @ %d\nplease");
          ASSERT_NE(seen.input, nullptr);
          seen.input->take_focus();     // a late focus event may have moved it
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

TEST(FltkServices, MessageBoxWrapsLongTextToFitTheScreenAndOpensCentredOnIt) {
  int sx = 0, sy = 0, sw = 0, sh = 0;
  Fl::screen_work_area(sx, sy, sw, sh, 0);
  std::string words;
  while (words.size() < 3000) words += "Zo\xC3\xAB & @Bob ";
  const std::string name(255, 'W');
  for (const std::string& prompt :
       {name + " Won The Game !", words, std::string(1 << 20, 'm'), std::string("Tie")}) {
    Seen seen;
    std::array<int, 4> box{}, ok{};
    withDialog([&] { FltkMessageBox().show(prompt, kStyleExclamation, "WON !"); },
               [&](Fl_Window& dialog) {
                 seen = read(dialog, "");
                 box = {dialog.x(), dialog.y(), dialog.w(), dialog.h()};
                 const Fl_Widget& button = *seen.buttons.at("OK");
                 ok = {button.x(), button.y(), button.w(), button.h()};
                 EXPECT_TRUE(offersOnlyClose(dialog));
               });
    const std::string head = prompt.substr(0, 40);
    // Inside the screen, its button too, and centred to the pixel.
    EXPECT_GE(box[0], sx) << head;
    EXPECT_GE(box[1], sy) << head;
    EXPECT_LE(box[0] + box[2], sx + sw) << head;
    EXPECT_LE(box[1] + box[3], sy + sh) << head;
    EXPECT_GE(ok[0], 0) << head;
    EXPECT_GE(ok[1], 0) << head;
    EXPECT_LE(ok[0] + ok[2], box[2]) << head;
    EXPECT_LE(ok[1] + ok[3], box[3]) << head;
    EXPECT_LE(std::abs(2 * box[0] + box[2] - (2 * sx + sw)), 2) << head;
    EXPECT_LE(std::abs(2 * box[1] + box[3] - (2 * sy + sh)), 2) << head;
    // Lines break at blanks, or inside a word too long for one; what fits is all there.
    std::string joined = seen.prompt;
    if (prompt.size() < 4000) {
      EXPECT_EQ(seen.prompt.find('\n') == std::string::npos, prompt == "Tie") << head;
      std::replace(joined.begin(), joined.end(), '\n', prompt == words ? ' ' : '\0');
      std::erase(joined, '\0');
      EXPECT_EQ(joined, prompt.substr(0, joined.size())) << head;
      EXPECT_GE(joined.size() + 1, prompt.size()) << head;
    } else {
      EXPECT_EQ(seen.prompt.substr(seen.prompt.size() - 3), "\xE2\x80\xA6")
          << "cut with an ellipsis";
    }
  }
}

TEST(FltkServices, InputBoxKeepsOneLineOfAtMost255Characters) {
  const std::string accent = "\xC3\xAB";  // one character in two bytes
  std::string accents;
  for (int i = 0; i < 300; ++i) accents += accent;
  using Insert = std::function<void(Fl_Window&, Fl_Input&)>;
  const Insert typeLong = [](Fl_Window& dialog, Fl_Input&) {
    pressKey(dialog, 'x', std::string(300, 'x'));
  };
  const auto paste = [](std::string text) {
    return Insert([text](Fl_Window&, Fl_Input& input) mutable {
      Fl::e_text = text.data();
      Fl::e_length = static_cast<int>(text.size());
      input.handle(FL_PASTE);
    });
  };
  const struct {
    Insert insert;
    std::string kept;
    bool noted;
  } cases[] = {
      {typeLong, std::string(255, 'x'), true},
      {[&](Fl_Window& dialog, Fl_Input&) { pressKey(dialog, 'e', accents); },
       accents.substr(0, 510), true},
      {paste("Ann\r\nBob"), "Ann", false},
      {paste("\nBob"), "", false},
      {paste(std::string(1 << 20, 'p')), std::string(255, 'p'), true},
      // Full, then all of it selected and typed over: the new text replaces it.
      {[&](Fl_Window& dialog, Fl_Input& input) {
         typeLong(dialog, input);
         input.position(0, input.size());
         pressKey(dialog, 'z', "zz");
       },
       "zz", true},
  };
  for (const auto& [insert, kept, noted] : cases) {
    std::string answered;
    bool noteShown = false;
    withDialog([&] { answered = FltkInputBox(kApplicationTitle).ask("NAME"); },
               [&](Fl_Window& dialog) {
                 Fl_Input& input = *read(dialog, "").input;
                 input.take_focus();
                 insert(dialog, input);
                 for (int i = 0; i < dialog.children(); ++i) {
                   const char* label = dialog.child(i)->label();
                   if (label != nullptr && std::string(label) == "At most 255 characters")
                     noteShown = dialog.child(i)->visible();
                 }
                 pressKey(dialog, FL_Enter, "\r");
               });
    EXPECT_EQ(answered, kept);
    EXPECT_EQ(noteShown, noted) << kept.substr(0, 10);
  }
}

}  // namespace ttt::test
