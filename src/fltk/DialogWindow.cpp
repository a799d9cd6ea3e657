#include "fltk/DialogWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "fltk/LiteralText.h"
#include "fltk/NameInput.h"
#include "fltk/TextWrap.h"
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
constexpr Fl_Fontsize kTextSize = 14;
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

DialogWindow::DialogWindow(Kind kind, const std::string& title, const std::string& prompt)
    : Fl_Double_Window(kTextLeft + kMinTextWidth + kMargin, kIconSize + 2 * kMargin),
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
  centreOnWorkArea(*this);
}

DialogWindow::~DialogWindow() { hide(); }

void DialogWindow::build(Kind kind, const std::string& prompt) {
  auto* icon = new Fl_Box(kMargin, kMargin, kIconSize, kIconSize);
  icon->box(FL_THIN_UP_BOX);
  icon->labelfont(FL_TIMES_BOLD);
  icon->labelsize(34);
  icon->color(FL_WHITE);
  icon->labelcolor(FL_BLUE);
  icon->copy_label(std::string(1, iconOf(kind)).c_str());
  int bottom = addPrompt(prompt);
  if (kind == Kind::Input) {
    input_ = new NameInput(kTextLeft, bottom + 5, w() - kTextLeft - kMargin, kInputHeight);
    bottom = input_->y() + input_->h();
  }
  bottom = addButtons(std::max(bottom, kMargin + kIconSize) + kMargin, kind == Kind::Input);
  size(w(), bottom + kMargin);
}

// Adds the prompt, wrapped to the screen, beside the icon; widens the dialog to fit it.
// Returns the prompt's bottom edge.
int DialogWindow::addPrompt(const std::string& prompt) {
  const WorkArea area = workArea();
  fl_font(FL_HELVETICA, kTextSize);
  const int maxWidth = std::max(kMinTextWidth, area.w * 3 / 4 - kTextLeft - kMargin);
  // What the dialog needs besides its text: margins, field, buttons and a title bar.
  const int otherHeight = 3 * kMargin + 5 + kInputHeight + kButtonHeight + kFrameAllowance;
  const int maxLines = std::max(1, (area.h - otherHeight) / fl_height());
  const std::string wrapped = wrapToWidth(prompt, maxWidth, static_cast<std::size_t>(maxLines));
  int textWidth = 0;
  int textHeight = 0;
  fl_measure(wrapped.c_str(), textWidth, textHeight, 0);
  textHeight = std::max(textHeight, fl_height());
  size(std::max(w(), kTextLeft + textWidth + kMargin), h());
  // A short prompt sits level with the middle of the icon.
  const int top = kMargin + std::max(0, (kIconSize - textHeight) / 2);
  prompt_ = new Fl_Box(kTextLeft, top, w() - kTextLeft - kMargin, textHeight);
  prompt_->labelfont(FL_HELVETICA);
  prompt_->labelsize(kTextSize);
  prompt_->align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);
  prompt_->copy_label(literalToolkitText(wrapped).c_str());
  return top + textHeight;
}

// Adds "OK", and "Cancel" to its right, at the bottom right; an input box also gets the
// note its name field shows at the limit, at the bottom left. Returns the buttons' bottom.
int DialogWindow::addButtons(int top, bool withCancel) {
  int right = w() - kMargin;
  if (withCancel) {
    auto* cancel = new Fl_Button(right - kButtonWidth, top, kButtonWidth, kButtonHeight, "Cancel");
    cancel->callback(&DialogWindow::cancelled, this);
    right -= kButtonWidth + kMargin;
  }
  ok_ = new Fl_Return_Button(right - kButtonWidth, top, kButtonWidth, kButtonHeight, "OK");
  ok_->callback(&DialogWindow::okPressed, this);
  if (input_ != nullptr) {
    static const std::string note =
        "At most " + std::to_string(NameInput::kMaxNameCharacters) + " characters";
    auto* limit = new Fl_Box(kMargin, top, right - kButtonWidth - 2 * kMargin, kButtonHeight);
    limit->label(note.c_str());
    limit->labelsize(12);
    limit->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    limit->hide();
    input_->limitNote(limit);
  }
  return top + kButtonHeight;
}

bool DialogWindow::run() {
  accepted_ = false;
  show();
  offerOnlyClose(*this);
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
