// The toolkit's modal dialogs: the input box and the message box.
#include "WindowsFixture.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fltk/FltkDialogs.h"
#include "fltk/Fonts.h"
#include "fltk/NameInput.h"
#include "fltk/ShapedText.h"
#include "screens/ApplicationTitle.h"

namespace ttt::test {

struct Seen {
  std::string title, prompt, icon;  // the prompt's text, drawn as it stands
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
    seen.prompt = label;
    const auto drawn = shaped_text::measure(label, fonts::kDialogFont, fonts::kDialogFontPixels);
    const auto literal =
        shaped_text::measure(expectedPrompt, fonts::kDialogFont, fonts::kDialogFontPixels);
    seen.drawn = {drawn.width, drawn.height};
    seen.literal = {literal.width, literal.height};
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
    std::vector<std::array<long, 2>> icons;
    withDialog([&] { FltkMessageBox(Scale(kDefaultDpi)).show(prompt, style, title); },
               [&](Fl_Window& dialog) {
                 seen = read(dialog, shown);
                 icons = iconSizes(dialog);
               });
    EXPECT_EQ(icons, (std::vector<std::array<long, 2>>{{32, 32}, {16, 16}})) << "the light bulb";
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
        [&] {
          answered = FltkInputBox(kApplicationTitle, Scale(kDefaultDpi))
                         .ask("ENTER ' NAME @ %d\r\nplease");
        },
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
    withDialog([&] { FltkMessageBox(Scale(kDefaultDpi)).show(prompt, kStyleExclamation, "WON !"); },
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

// The box hands what is typed and pasted to the name rule with Pango's clusters, and shows
// its note when the limit cut an insertion.
TEST(FltkServices, InputBoxTypesAndPastesThroughTheNameRule) {
  const std::string decomposed = "e\xCC\x81";  // "e" and a combining acute: one character
  std::string decomposedAccents;
  for (int i = 0; i < 255; ++i) decomposedAccents += decomposed;
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
      {paste(decomposedAccents), decomposedAccents, false},
      {paste(decomposedAccents + decomposed), decomposedAccents, true},
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
    withDialog([&] { answered = FltkInputBox(kApplicationTitle, Scale(kDefaultDpi)).ask("NAME"); },
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

// A name is every byte given, however it arrives: blanks and tabs at either end, typed or
// pasted, whole or in pieces. Only a line break ends it.
TEST(FltkServices, InputBoxKeepsBlanksAndTabsByteForByte) {
  using Insert = std::function<void(Fl_Window&)>;
  const auto paste = [](std::string text) {
    return Insert([text](Fl_Window&) mutable {
      Fl::e_text = text.data();
      Fl::e_length = static_cast<int>(text.size());
      Fl::focus()->handle(FL_PASTE);
    });
  };
  const auto type = [](std::string text) {
    return Insert([text](Fl_Window& dialog) {
      for (const char c : text) pressKey(dialog, static_cast<unsigned char>(c), std::string(1, c));
    });
  };
  const struct {
    std::vector<Insert> inserts;
    std::string kept;
  } cases[] = {
      {{paste("Bob  ")}, "Bob  "},          {{paste("   ")}, "   "},
      {{paste("\tAnn\t ")}, "\tAnn\t "},    {{paste("Bo"), paste("b "), paste(" ")}, "Bob  "},
      {{type("  Ann  ")}, "  Ann  "},       {{type(" Ann"), paste(" \t")}, " Ann \t"},
      {{paste(" Ann \r\nBob  ")}, " Ann "},
  };
  for (const auto& [inserts, kept] : cases) {
    std::string answered;
    withDialog([&] { answered = FltkInputBox(kApplicationTitle, Scale(kDefaultDpi)).ask("NAME"); },
               [&](Fl_Window& dialog) {
                 read(dialog, "").input->take_focus();
                 for (const Insert& insert : inserts) insert(dialog);
                 pressKey(dialog, FL_Enter, "\r");
               });
    EXPECT_EQ(answered, kept);
  }
}

}  // namespace ttt::test
