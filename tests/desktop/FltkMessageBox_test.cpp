#include "desktop/FltkMessageBox.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogInspection.h"
#include "ModalDialogDriver.h"

namespace ttt::test {
namespace {

// What the message box showed while it was open.
struct SeenMessageBox {
  SeenPrompt text;
  std::string icon;
  std::vector<std::string> buttons;
  bool okPressed = false;
};

// Shows a message box, reads it and presses its OK button.
SeenMessageBox showAndPressOk(const std::string& prompt, int style, const std::string& title,
                              const std::string& expectedText) {
  SeenMessageBox seen;
  ModalDialogDriver driver([&](DialogParts& dialog) {
    seen.text = readPrompt(dialog, expectedText);
    if (dialog.icon != nullptr && dialog.icon->label() != nullptr) seen.icon = dialog.icon->label();
    for (Fl_Button* button : dialog.buttons)
      seen.buttons.emplace_back(button->label() ? button->label() : "");
    if (Fl_Button* ok = dialog.button("OK")) {
      ok->do_callback();
      seen.okPressed = true;
    }
  });
  FltkMessageBox box;
  box.show(prompt, style, title);
  EXPECT_TRUE(driver.acted()) << "no dialog came up";
  EXPECT_FALSE(driver.leftOpen()) << "the OK button did not close the dialog";
  return seen;
}

TEST(FltkMessageBox, ExclamationStyleShowsTitlePromptAlertIconAndOneOkButton) {
  const SeenMessageBox seen = showAndPressOk("PLAYER A Won The Game !", kStyleExclamation, "PLAYER A WON !",
                                             "PLAYER A Won The Game !");
  EXPECT_EQ(seen.text.title, "PLAYER A WON !");
  EXPECT_EQ(seen.text.prompt, "PLAYER A Won The Game !");
  EXPECT_EQ(seen.icon, "!");
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
  EXPECT_TRUE(seen.okPressed);
}

TEST(FltkMessageBox, InformationStyleShowsInformationIcon) {
  const SeenMessageBox seen = showAndPressOk("Hello", kStyleInformation, "CONTACT !", "Hello");
  EXPECT_EQ(seen.text.title, "CONTACT !");
  EXPECT_EQ(seen.icon, "i");
  EXPECT_EQ(seen.buttons, std::vector<std::string>{"OK"});
}

TEST(FltkMessageBox, SymbolsAmpersandsFormatsAndLineBreaksShowLiterally) {
  const std::string prompt =
      "Send & Receive @->\r\n\r\n    me@example.org 100%s %d\r\n\r\n  https://example.org/@x";
  const std::string expected =
      "Send & Receive @->\n\n    me@example.org 100%s %d\n\n  https://example.org/@x";
  const SeenMessageBox seen = showAndPressOk(prompt, kStyleInformation, "@ & %s", expected);
  EXPECT_EQ(seen.text.title, "@ & %s");
  EXPECT_EQ(seen.text.prompt, expected);
  // Drawn with the toolkit's symbols as it is, the prompt takes exactly the room of the
  // plain text: no '@' became a symbol and no carriage return became a "^M".
  EXPECT_EQ(seen.text.drawn, seen.text.literal);
  EXPECT_GT(seen.text.literal.height, 0);
}

}  // namespace
}  // namespace ttt::test
