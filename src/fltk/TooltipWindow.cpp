#include "fltk/TooltipWindow.h"

#include <FL/Fl.H>
#include <FL/Fl_Tooltip.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "fltk/Fonts.h"
#include "fltk/ShapedText.h"

namespace ttt {

namespace {

constexpr int kPadding = 3;  // pixels between the border and the text, as the toolkit's

// Whether tooltips are wanted; the toolkit's own are off from the first question on.
bool tooltipsWanted() {
  static const bool wanted = [] {
    const bool enabled = Fl_Tooltip::enabled() != 0;
    Fl_Tooltip::disable();
    return enabled;
  }();
  return wanted;
}

}  // namespace

TooltipWindow::TooltipWindow() : Fl_Menu_Window(1, 1) {
  end();
  set_override();
  set_tooltip_window();
  clear_border();
}

TooltipWindow& TooltipWindow::instance() {
  static TooltipWindow* const tip = new TooltipWindow;  // lives as long as the program
  return *tip;
}

void TooltipWindow::replaceToolkitTooltips() { tooltipsWanted(); }

void TooltipWindow::useScale(Scale scale) { instance().scale_ = scale; }

void TooltipWindow::hoverStarted(Fl_Widget& owner, const std::string& text) {
  if (!tooltipsWanted() || text.empty()) return;
  TooltipWindow& tip = instance();
  if (tip.owner_ != nullptr) hoverEnded(*tip.owner_);
  tip.owner_ = &owner;
  tip.text_ = text;
  Fl::add_timeout(Fl_Tooltip::delay(), &TooltipWindow::open, &tip);
}

void TooltipWindow::hoverEnded(const Fl_Widget& owner) {
  TooltipWindow& tip = instance();
  if (tip.owner_ != &owner) return;
  Fl::remove_timeout(&TooltipWindow::open, &tip);
  tip.owner_ = nullptr;
  tip.hide();
}

TooltipWindow* TooltipWindow::shownTip() {
  TooltipWindow& tip = instance();
  return tip.shown() ? &tip : nullptr;
}

void TooltipWindow::open(void* data) {
  auto* tip = static_cast<TooltipWindow*>(data);
  if (tip->owner_ == nullptr) return;
  tip->showFor(*tip->owner_);
}

// Sized to the text, under the owner at the mouse's column, and kept on the screen.
void TooltipWindow::showFor(const Fl_Widget& owner) {
  const int padding = scale_.pixels(kPadding);
  const shaped_text::TextSize size =
      shaped_text::measure(text_, fonts::kDialogFont, scale_.pixels(fonts::kDialogFontPixels));
  const int width = size.width + 2 * padding;
  const int height = size.height + 2 * padding;
  const Fl_Window* window = owner.window();
  int x = Fl::event_x_root();
  int y = (window != nullptr ? window->y_root() : 0) + owner.y() + owner.h() + padding;
  int screenX = 0, screenY = 0, screenW = 0, screenH = 0;
  Fl::screen_work_area(screenX, screenY, screenW, screenH, x, y);
  x = std::max(screenX, std::min(x, screenX + screenW - width));
  if (y + height > screenY + screenH) y -= height + owner.h() + 2 * padding;
  resize(x, std::max(screenY, y), width, height);
  show();
  redraw();
}

void TooltipWindow::draw() {
  fl_draw_box(FL_BORDER_BOX, 0, 0, w(), h(), Fl_Tooltip::color());
  const int padding = scale_.pixels(kPadding);
  shaped_text::draw(text_, fonts::kDialogFont, scale_.pixels(fonts::kDialogFontPixels), padding,
                    padding, Fl_Tooltip::textcolor());
}

}  // namespace ttt
