#include "fltk/DialogWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <algorithm>

#include "fltk/Drawings.h"
#include "fltk/Fonts.h"
#include "fltk/NameInput.h"
#include "fltk/ScaledButton.h"
#include "fltk/ShapedText.h"
#include "fltk/TextBox.h"
#include "fltk/TextWrap.h"
#include "screens/MessageWrap.h"
#include "screens/NameRule.h"
#include "fltk/WindowHints.h"

namespace ttt {

namespace {

// The toolkit's own dialogs: a 50-pixel icon box in the corner, 14-pixel text beside it,
// 90 by 23 buttons, 10 pixels apart and from the edges.
constexpr int kMargin = 10;
constexpr int kIconSize = 50;
constexpr int kTextLeft = kMargin + kIconSize + kMargin;
constexpr int kMinTextWidth = 330;
constexpr int kInputHeight = 23;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 23;
constexpr int kTextSize = fonts::kDialogFontPixels;
constexpr const FontSpec& kTextFont = fonts::kDialogFont;
// Room kept free around the dialog for the window manager's border and title bar.
constexpr int kFrameAllowance = 40;

struct WorkArea {
  int x = 0, y = 0, w = 0, h = 0;
};

WorkArea workArea() {
  WorkArea area;
  Fl::screen_work_area(area.x, area.y, area.w, area.h, 0);
  return area;
}

char iconOf(DialogWindow::Kind kind) {
  switch (kind) {
    case DialogWindow::Kind::Alert:
      return '!';
    case DialogWindow::Kind::Message:
      return 'i';
    case DialogWindow::Kind::Input:
      break;
  }
  return '?';
}

}  // namespace

DialogWindow::DialogWindow(Kind kind, const std::string& title, const std::string& prompt,
                           Scale scale)
    : Fl_Double_Window(scale.pixels(kTextLeft + kMinTextWidth + kMargin),
                       scale.pixels(kIconSize + 2 * kMargin)),
      scale_(scale),
      kind_(kind),
      promptText_(prompt) {
  copy_label(title.c_str());
  // The dialog grows to fit its parts as they are added; none of them is to stretch.
  resizable(nullptr);
  build(kind, prompt);
  end();
  set_modal();
  callback(&DialogWindow::cancelled, this);
  // A fixed size: nothing to resize or maximise.
  size_range(w(), h(), w(), h());
  // The program's light bulb, as on its game windows.
  const Fl_RGB_Image* bulbs[] = {&lightBulbImage(px(32)), &lightBulbImage(px(16))};
  icons(bulbs, 2);
  centreOnWorkArea(*this);
}

DialogWindow::~DialogWindow() { hide(); }

void DialogWindow::build(Kind kind, const std::string& prompt) {
  auto* icon = new Fl_Box(px(kMargin), px(kMargin), px(kIconSize), px(kIconSize));
  icon->box(FL_THIN_UP_BOX);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(px(34));
  icon->color(FL_WHITE);
  icon->labelcolor(FL_BLUE);
  icon->copy_label(std::string(1, iconOf(kind)).c_str());
  int bottom = addPrompt(prompt);
  if (kind == Kind::Input) {
    input_ = new NameInput(px(kTextLeft), bottom + px(5), w() - px(kTextLeft) - px(kMargin),
                           px(kInputHeight));
    input_->textsize(px(kTextSize));
    bottom = input_->y() + input_->h();
  }
  bottom =
      addButtons(std::max(bottom, px(kMargin) + px(kIconSize)) + px(kMargin), kind == Kind::Input);
  size(w(), bottom + px(kMargin));
}

// Adds the prompt, wrapped to the screen, beside the icon; widens the dialog to fit it.
// Returns the prompt's bottom edge.
int DialogWindow::addPrompt(const std::string& prompt) {
  const WorkArea area = workArea();
  const int textSize = px(kTextSize);
  const int lineHeight = shaped_text::measure("", kTextFont, textSize).height;
  const int maxWidth = std::max(px(kMinTextWidth), widestMessageLine(area.w));
  // What the dialog needs besides its text: margins, field, buttons and a title bar.
  const int otherHeight =
      3 * px(kMargin) + px(5) + px(kInputHeight) + px(kButtonHeight) + px(kFrameAllowance);
  const int maxLines = std::max(1, (area.h - otherHeight) / lineHeight);
  const std::string wrapped =
      wrapToWidth(prompt, maxWidth, static_cast<std::size_t>(maxLines), kTextFont, textSize);
  const shaped_text::TextSize text = shaped_text::measure(wrapped, kTextFont, textSize);
  const int textHeight = text.height;
  size(std::max(w(), px(kTextLeft) + text.width + px(kMargin)), h());
  // A short prompt sits level with the middle of the icon.
  const int top = px(kMargin) + std::max(0, (px(kIconSize) - textHeight) / 2);
  prompt_ = new TextBox(px(kTextLeft), top, w() - px(kTextLeft) - px(kMargin), textHeight,
                        kTextFont, textSize);
  prompt_->copy_label(wrapped.c_str());
  return top + textHeight;
}

// Adds "OK", and "Cancel" to its right, at the bottom right; an input box also gets the
// note its name field shows at the limit, at the bottom left. Returns the buttons' bottom.
int DialogWindow::addButtons(int top, bool withCancel) {
  int right = w() - px(kMargin);
  if (withCancel) {
    auto* cancel = new ScaledButton<Fl_Button>(right - px(kButtonWidth), top, px(kButtonWidth),
                                               px(kButtonHeight), "Cancel", scale_.lineWidth(1));
    cancel->labelsize(px(kTextSize));
    cancel->callback(&DialogWindow::cancelled, this);
    right -= px(kButtonWidth) + px(kMargin);
  }
  ok_ = new ScaledButton<Fl_Return_Button>(right - px(kButtonWidth), top, px(kButtonWidth),
                                           px(kButtonHeight), "OK", scale_.lineWidth(1));
  ok_->labelsize(px(kTextSize));
  ok_->callback(&DialogWindow::okPressed, this);
  if (input_ != nullptr) {
    static const std::string note =
        "At most " + std::to_string(kMaxNameCharacters) + " characters";
    auto* limit =
        new Fl_Box(px(kMargin), top, right - px(kButtonWidth) - 2 * px(kMargin), px(kButtonHeight));
    limit->label(note.c_str());
    limit->labelsize(px(12));
    limit->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    limit->hide();
    input_->limitNote(limit);
  }
  return top + px(kButtonHeight);
}

bool DialogWindow::run() {
  accepted_ = false;
  showAsDialog(*this);
  if (input_ != nullptr) {
    input_->take_focus();
  } else {
    ok_->take_focus();
  }
  while (shown()) Fl::wait();
  return accepted_;
}

const Fl_Widget* DialogWindow::promptBox() const { return prompt_; }

std::string DialogWindow::answer() const {
  return input_ != nullptr ? std::string(input_->value(), static_cast<std::size_t>(input_->size()))
                           : std::string();
}

void DialogWindow::okPressed(Fl_Widget* /*widget*/, void* data) {
  auto* dialog = static_cast<DialogWindow*>(data);
  dialog->accepted_ = true;
  dialog->hide();
}

// Cancel, Escape and the close box all leave without an answer.
void DialogWindow::cancelled(Fl_Widget* /*widget*/, void* data) {
  auto* dialog = static_cast<DialogWindow*>(data);
  dialog->accepted_ = false;
  dialog->hide();
}

}  // namespace ttt
