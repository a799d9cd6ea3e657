#include "desktop/FltkInputBox.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DialogInspection.h"
#include "ModalDialogDriver.h"

namespace ttt::test {
namespace {

struct SeenInputBox {
  SeenPrompt text;
  std::string initialText;
  bool hasInput = false;
  std::string answer;
};

// Asks through a real input box; `respond` types into the open box and closes it.
SeenInputBox askAndRespond(const std::string& prompt, const std::string& expectedPrompt,
                           const std::function<void(DialogParts&)>& respond) {
  SeenInputBox seen;
  ModalDialogDriver driver([&](DialogParts& dialog) {
    seen.text = readPrompt(dialog, expectedPrompt);
    seen.hasInput = dialog.input != nullptr;
    if (dialog.input != nullptr) seen.initialText = dialog.input->value();
    respond(dialog);
  });
  FltkInputBox box;
  seen.answer = box.ask(prompt);
  EXPECT_TRUE(driver.acted()) << "no dialog came up";
  EXPECT_FALSE(driver.leftOpen()) << "the response did not close the dialog";
  return seen;
}

TEST(FltkInputBox, ShowsTitleAndLiteralPromptAndReturnsTheTypedText) {
  const std::string name = "  Zoë & @Bob 100%s ";
  const auto typeNameAndEnter = [&](DialogParts& dialog) {
    typeText(*dialog.window, name);
    pressKey(*dialog.window, FL_Enter, "\r");
  };
  const SeenInputBox seen = askAndRespond("ENTER ' PLAYER A ' NAME @ %d\r\nplease",
                                          "ENTER ' PLAYER A ' NAME @ %d\nplease", typeNameAndEnter);
  EXPECT_EQ(seen.text.title, "Orvane'S Tic Tac Toe !");
  EXPECT_EQ(seen.text.prompt, "ENTER ' PLAYER A ' NAME @ %d\nplease");
  // No '@' became a symbol and no carriage return became a "^M".
  EXPECT_EQ(seen.text.drawn, seen.text.literal);
  ASSERT_TRUE(seen.hasInput);
  EXPECT_EQ(seen.initialText, "");
  EXPECT_EQ(seen.answer, name);
}

// Every way of leaving the box other than OK answers "", whatever was typed.
struct CloseWay {
  const char* name;
  std::function<void(DialogParts&)> close;
};

void PrintTo(const CloseWay& way, std::ostream* out) { *out << way.name; }

class FltkInputBoxClosed : public testing::TestWithParam<CloseWay> {};

TEST_P(FltkInputBoxClosed, AnswersEmptyTextEvenAfterTyping) {
  std::string typed;
  const SeenInputBox seen = askAndRespond("ENTER YOUR NAME", "ENTER YOUR NAME", [&](DialogParts& dialog) {
    typeText(*dialog.window, "Alice");
    if (dialog.input != nullptr) typed = dialog.input->value();
    GetParam().close(dialog);
  });
  EXPECT_EQ(typed, "Alice");
  EXPECT_EQ(seen.answer, "");
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, FltkInputBoxClosed,
    testing::Values(CloseWay{"CancelButton",
                             [](DialogParts& dialog) {
                               if (Fl_Button* cancel = dialog.button("Cancel")) cancel->do_callback();
                             }},
                    CloseWay{"EscapeKey",
                             [](DialogParts& dialog) { pressKey(*dialog.window, FL_Escape, "\x1b"); }},
                    CloseWay{"CloseBox", [](DialogParts& dialog) { Fl::handle(FL_CLOSE, dialog.window); }}),
    [](const testing::TestParamInfo<CloseWay>& way) { return std::string(way.param.name); });

}  // namespace
}  // namespace ttt::test
