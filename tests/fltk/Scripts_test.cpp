// Names in any writing system: the labels, the result box and the name box measure and draw
// them through the shaping text stack, with no glyph missing and right-to-left runs in order,
// while Latin captions keep the toolkit's own faces, sizes and widths.
#include "WindowsFixture.h"

#include <FL/Fl_Image_Surface.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <optional>

#include "fltk/FltkDialogs.h"
#include "fltk/Fonts.h"
#include "fltk/ShapedText.h"
#include "fltk/TextBox.h"
#include "fltk/TextLayout.h"
#include "fltk/TooltipWindow.h"
#include "screens/ApplicationTitle.h"
#include "screens/CaptionMarkup.h"
#include "screens/Layouts.h"
#include "screens/Placement.h"

namespace ttt::test {

namespace {

const std::string kChinese = "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E";            // 王小明
const std::string kArabic = "\xD9\x85\xD8\xB1\xD8\xAD\xD8\xA8\xD8\xA7";         // مرحبا
const std::string kHebrew = "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";                 // שלום
const std::string kEmoji = "\xF0\x9F\x98\x80\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";  // 😀👍🏽
const std::string kCombining = "Rene\xCC\x81";                                  // René, decomposed
const std::string kMixed = "Anna " + kHebrew + " 12 " + kArabic + "!";
const std::vector<std::string> kNames{kChinese, kArabic, kHebrew, kEmoji, kCombining, kMixed};

using Pixels = std::vector<Rgb>;

// An area of a snapshot, row by row.
Pixels areaOf(const Snapshot& shot, int x, int y, int w, int h) {
  Pixels pixels;
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column) pixels.push_back(shot.at(column, row));
  return pixels;
}

// What `paint` draws on a surface of its own, filled with `background` first.
Snapshot drawnAlone(int w, int h, Fl_Color background, const std::function<void()>& paint) {
  return Snapshot(w, h, [&](Fl_Image_Surface&) {
    fl_rectf(0, 0, w, h, background);
    paint();
  });
}

// The smallest rectangle of an area holding every pixel unlike the area's top left one, as
// x, y, w, h in the snapshot.
std::array<int, 4> inkBox(const Snapshot& shot, int x, int y, int w, int h) {
  int left = x + w, top = y + h, right = x - 1, bottom = y - 1;
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column)
      if (shot.at(column, row) != shot.at(x, y)) {
        left = std::min(left, column);
        right = std::max(right, column);
        top = std::min(top, row);
        bottom = std::max(bottom, row);
      }
  return {left, top, right - left + 1, bottom - top + 1};
}

// The inked part of an area, cut out: the same drawing anywhere gives the same pixels.
Pixels ink(const Snapshot& shot, int x, int y, int w, int h) {
  const auto [left, top, inkW, inkH] = inkBox(shot, x, y, w, h);
  return inkW > 0 ? areaOf(shot, left, top, inkW, inkH) : Pixels{};
}

int warnings = 0;
void countWarning(const char* /*format*/, ...) { ++warnings; }

// The name field of an input box.
Fl_Input* nameField(Fl_Window& dialog) {
  for (int i = 0; i < dialog.children(); ++i)
    if (auto* field = dynamic_cast<Fl_Input*>(dialog.child(i))) return field;
  return nullptr;
}

const FontSpec& fontOf(const FormLayout& layout, const std::string& name) {
  for (const ControlLayout& control : layout.controls)
    if (control.fullName() == name) return control.font;
  throw std::runtime_error("no control " + name);
}

}  // namespace

TEST(ShapedText, FindsAFaceForEveryNameAndCountsTheGlyphsNoFaceHas) {
  const FontSpec& name = fontOf(twoPlayerLayout(), "Label2");
  const FontSpec& link = fontOf(twoPlayerLayout(), "Label3");
  for (const std::string& text : kNames) {
    EXPECT_EQ(shaped_text::unknownGlyphs(text, name, pointsToPixels(name.points, 96)), 0) << text;
    EXPECT_EQ(shaped_text::unknownGlyphs(text, link, pointsToPixels(link.points, 96)), 0) << text;
    EXPECT_EQ(shaped_text::unknownGlyphs(text, fonts::kDialogFont, fonts::kDialogFontPixels), 0)
        << text;
  }
  // A character of the last private use plane is in no installed face.
  EXPECT_EQ(shaped_text::unknownGlyphs("A\xF4\x8F\xBF\xBD"
                                       "B",
                                       name, 13),
            1);
}

TEST(ShapedText, LatinCaptionsKeepTheToolkitsFacesSizesAndWidths) {
  for (const FormLayout& layout : {menuLayout(), twoPlayerLayout(), singlePlayerLayout()}) {
    for (const ControlLayout& control : layout.controls) {
      const std::string caption = parseCaption(control.caption).text;
      if (caption.empty()) continue;
      const int pixels = pointsToPixels(control.font.points, 96);
      fl_font(fonts::face(control.font), pixels);
      int toolkitW = 0, toolkitH = 0;
      fl_measure(caption.c_str(), toolkitW, toolkitH, 0);
      const shaped_text::TextSize shaped = shaped_text::measure(caption, control.font, pixels);
      EXPECT_LE(std::abs(shaped.width - toolkitW), 1) << caption;
      EXPECT_EQ(shaped.height, toolkitH) << caption;
      // The same glyphs in the same place: the toolkit draws at its base line.
      const int w = toolkitW + 8, h = toolkitH + 8;
      const Snapshot toolkit = drawnAlone(w, h, FL_WHITE, [&] {
        fl_font(fonts::face(control.font), pixels);
        fl_color(FL_BLACK);
        fl_draw(caption.c_str(), 4, 4 + fl_height() - fl_descent());
      });
      const Snapshot ours = drawnAlone(w, h, FL_WHITE, [&] {
        shaped_text::draw(caption, control.font, pixels, 4, 4, FL_BLACK);
      });
      const std::array<int, 4> toolkitInk = inkBox(toolkit, 0, 0, w, h),
                               ourInk = inkBox(ours, 0, 0, w, h);
      for (std::size_t i = 0; i < 4; ++i)
        EXPECT_LE(std::abs(toolkitInk[i] - ourInk[i]), 1) << caption;
    }
  }
}

TEST_F(WindowsTest, ButtonCaptionsKeepTheToolkitsPlaceAndAccessKeyUnderline) {
  RecordingForm& menu = open(menuLayout());
  // "&TWO PLAYER" and "&EXIT" have no focus frame over their caption.
  for (const std::string name : {"Command2", "Command3"}) {
    const Fl_Widget& button = *widget(menu, name);
    const int inset = 3;  // inside the button's frame
    const int w = button.w() - 2 * inset, h = button.h() - 2 * inset;
    const Snapshot shot(windowOf(menu));
    const Snapshot toolkit = drawnAlone(w, h, button.color(), [&] {
      fl_font(button.labelfont(), button.labelsize());
      fl_color(button.labelcolor());
      const char shortcut = fl_draw_shortcut;
      fl_draw_shortcut = 1;
      fl_draw(button.label(), -inset, -inset, button.w(), button.h(), FL_ALIGN_CENTER, nullptr, 0);
      fl_draw_shortcut = shortcut;
    });
    EXPECT_EQ(areaOf(shot, button.x() + inset, button.y() + inset, w, h),
              areaOf(toolkit, 0, 0, w, h))
        << name;
  }
}

TEST_F(WindowsTest, NameLabelsMeasureAndDrawEveryScriptThroughTheTextStack) {
  RecordingForm& form = open(twoPlayerLayout());
  const FontSpec& font = form.control("Label2").layout().font;
  const int pixels = pointsToPixels(font.points, 96);
  // A line taller than a Latin one reaches the frame below it, a long one the label beside it.
  form.control("Frame2").setVisible(false);
  form.control("Label8").setVisible(false);
  for (const std::string& name : kNames) {
    form.control("Label2").setCaption(name);
    const Fl_Widget& label = *widget(form, "Label2");
    const shaped_text::TextSize size = shaped_text::measure(name, font, pixels);
    EXPECT_EQ((std::array{label.w(), label.h()}), (std::array{size.width, size.height})) << name;
    const Snapshot shot(windowOf(form));
    const Snapshot expected = drawnAlone(label.w(), label.h(), label.color(), [&] {
      shaped_text::draw(name, font, pixels, 0, 0, label.labelcolor());
    });
    EXPECT_EQ(areaOf(shot, label.x(), label.y(), label.w(), label.h()),
              areaOf(expected, 0, 0, label.w(), label.h()))
        << name;
  }
}

TEST_F(WindowsTest, ARightToLeftNameStartsAtTheRightEndOfItsLabel) {
  RecordingForm& form = open(twoPlayerLayout());
  const auto inked = [&](const std::string& name) {
    form.control("Label2").setCaption(name);
    const Fl_Widget& label = *widget(form, "Label2");
    return std::pair{areaOf(Snapshot(windowOf(form)), label.x(), label.y(), label.w(), label.h()),
                     std::array{label.w(), label.h()}};
  };
  // Without its first letter, שלום draws the same from its left end: that letter is at the
  // right end. Drawn left to right, as the toolkit alone draws it, the left ends differ.
  const auto [word, wordSize] = inked(kHebrew);
  const auto [rest, restSize] = inked(kHebrew.substr(2));
  const auto [first, firstSize] = inked(kHebrew.substr(0, 2));
  ASSERT_EQ(wordSize[1], restSize[1]);
  ASSERT_LT(restSize[0] + firstSize[0], wordSize[0] + 2);
  const auto columns = [](const Pixels& pixels, int width, int from, int count) {
    Pixels picked;
    for (std::size_t row = 0; row < pixels.size() / static_cast<std::size_t>(width); ++row)
      for (int column = from; column < from + count; ++column)
        picked.push_back(
            pixels[row * static_cast<std::size_t>(width) + static_cast<std::size_t>(column)]);
    return picked;
  };
  EXPECT_EQ(columns(word, wordSize[0], 0, restSize[0] - 1),
            columns(rest, restSize[0], 0, restSize[0] - 1));
  EXPECT_EQ(columns(word, wordSize[0], wordSize[0] - firstSize[0] + 1, firstSize[0] - 1),
            columns(first, firstSize[0], 1, firstSize[0] - 1));
  // Arabic letters take another form when joined: its first letter's place is the layout's.
  const FontSpec& font = form.control("Label2").layout().font;
  for (const std::string& name : {kArabic, kHebrew}) {
    const TextLayout layout(name, font, pointsToPixels(font.points, 96));
    const auto spans = layout.spans(0, 2);
    ASSERT_EQ(spans.size(), 1u) << name;
    EXPECT_EQ(spans[0].second, layout.width()) << name;
    EXPECT_GT(spans[0].first, layout.width() / 2) << name;
  }
}

TEST_F(WindowsTest, LinkTooltipsShowTheirCaptionInAnyScriptThroughTheTextStack) {
  RecordingForm& form = open(twoPlayerLayout());
  WindowView& window = windowOf(form);
  const float delay = Fl_Tooltip::delay();
  Fl_Tooltip::delay(0.05f);
  // The toolkit reports X errors as warnings: a tooltip window comes and goes, and no
  // drawing may keep using what the server freed with it.
  const auto previous = Fl::warning;
  warnings = 0;
  Fl::warning = countWarning;
  // The pointer itself moves, as a player's would: the server reports the crossings.
  window.wait_for_expose();
  const auto moveTo = [&](int x, int y) {
    XWarpPointer(fl_display, 0, fl_xid(&window), 0, 0, 0, 0, x, y);
    XSync(fl_display, False);
  };
  for (const std::string& name : kNames) {
    form.control("Label3").setCaption(name);
    const Fl_Widget& link = *widget(form, "Label3");
    moveTo(link.x() + link.w() / 2, link.y() + link.h() / 2);
    ASSERT_TRUE(waitUntil([] { return TooltipWindow::shownTip() != nullptr; })) << name;
    TooltipWindow& tip = *TooltipWindow::shownTip();
    EXPECT_EQ(tip.text(), name);
    const shaped_text::TextSize size =
        shaped_text::measure(name, fonts::kDialogFont, fonts::kDialogFontPixels);
    ASSERT_EQ((std::array{tip.w(), tip.h()}), (std::array{size.width + 6, size.height + 6}));
    const Snapshot expected = drawnAlone(size.width, size.height, Fl_Tooltip::color(), [&] {
      shaped_text::draw(name, fonts::kDialogFont, fonts::kDialogFontPixels, 0, 0,
                        Fl_Tooltip::textcolor());
    });
    EXPECT_EQ(areaOf(Snapshot(tip), 3, 3, size.width, size.height),
              areaOf(expected, 0, 0, size.width, size.height))
        << name;
    moveTo(2, 2);
    EXPECT_TRUE(waitUntil([] { return TooltipWindow::shownTip() == nullptr; })) << name;
  }
  // The toolkit's own tooltip, which would draw the name in one face, stays off.
  EXPECT_EQ(Fl_Tooltip::enabled(), 0);
  Fl_Tooltip::delay(delay);
  XSync(fl_display, False);
  Fl::check();
  Fl::warning = previous;
  EXPECT_EQ(warnings, 0);
}

TEST(FltkServices, ResultBoxDrawsANameInAnyScriptThroughTheTextStack) {
  for (const std::string& name : kNames) {
    const std::string prompt = name + " Won The Game !";
    std::optional<Pixels> shown, expected;
    withDialog(
        [&] {
          FltkMessageBox(Scale(kDefaultDpi)).show(prompt, kStyleExclamation, name + " WON !");
        },
        [&](Fl_Window& dialog) {
          for (int i = 0; i < dialog.children(); ++i) {
            auto* text = dynamic_cast<TextBox*>(dialog.child(i));
            if (text == nullptr) continue;
            EXPECT_EQ(std::string(text->label()), prompt);
            const int w = text->w(), h = text->h();
            shown = areaOf(Snapshot(dialog), text->x(), text->y(), w, h);
            expected = areaOf(drawnAlone(w, h, dialog.color(),
                                         [&] {
                                           shaped_text::draw(prompt, fonts::kDialogFont,
                                                             fonts::kDialogFontPixels, 0, 0,
                                                             text->labelcolor());
                                         }),
                              0, 0, w, h);
          }
        });
    ASSERT_TRUE(shown.has_value()) << name;
    EXPECT_EQ(*shown, *expected) << name;
  }
}

TEST(FltkServices, NameBoxShowsANameInAnyScriptAndStepsOverWholeCharacters) {
  for (const std::string& name : kNames) {
    Pixels shown, expected;
    withDialog([&] { FltkInputBox(kApplicationTitle, Scale(kDefaultDpi)).ask("NAME"); },
               [&](Fl_Window& dialog) {
                 Fl_Input* input = nameField(dialog);
                 ASSERT_NE(input, nullptr);
                 input->value(name.c_str());
                 input->position(0);
                 // Without the focus the field draws no cursor: only the text is inked.
                 Fl::focus(nullptr);
                 const int w = input->w() - 8, h = input->h() - 6;
                 shown = ink(Snapshot(dialog), input->x() + 4, input->y() + 3, w, h);
                 expected = ink(drawnAlone(w, h + 8, input->color(),
                                           [&] {
                                             shaped_text::draw(name, fonts::kDialogFont,
                                                               fonts::kDialogFontPixels, 2, 4,
                                                               input->textcolor());
                                           }),
                                0, 0, w, h + 8);
               });
    EXPECT_FALSE(shown.empty()) << name;
    EXPECT_EQ(shown, expected) << name;
  }
  // The mouse finds the character under it as it is drawn; the arrows and deletions take
  // "e" and its accent, or an emoji and its skin tone, as one.
  std::string left;
  withDialog(
      [&] { left = FltkInputBox(kApplicationTitle, Scale(kDefaultDpi)).ask("NAME"); },
      [&](Fl_Window& dialog) {
        Fl_Input* input = nameField(dialog);
        ASSERT_NE(input, nullptr);
        input->take_focus();
        // A click at the right end of שלום puts the cursor before its first letter;
        // a double click selects all of it.
        input->value(kHebrew.c_str());
        const TextLayout hebrew(kHebrew, fonts::kDialogFont, fonts::kDialogFontPixels);
        const int right = input->x() + 4 + hebrew.width() - 2, middle = input->y() + 10;
        clickAt(dialog, right, middle);
        EXPECT_EQ((std::array{input->position(), input->mark()}), (std::array{0, 0}));
        Fl::e_clicks = 1;
        clickAt(dialog, right, middle);
        Fl::e_clicks = 0;
        EXPECT_EQ((std::array{input->position(), input->mark()}), (std::array{input->size(), 0}));
        input->value(("xe\xCC\x81" + kEmoji + "y").c_str());
        input->position(input->size());
        pressKey(dialog, FL_Left);
        pressKey(dialog, FL_Left);
        EXPECT_EQ(input->position(), 1 + 3 + 4);
        pressKey(dialog, FL_BackSpace);
        pressKey(dialog, FL_Left);
        pressKey(dialog, FL_Delete);
        pressKey(dialog, FL_Enter, "\r");
      });
  EXPECT_EQ(left, "x" + kEmoji.substr(4) + "y");
}

}  // namespace ttt::test
