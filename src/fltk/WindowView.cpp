#include "fltk/WindowView.h"

#include <FL/Fl.H>

#include <algorithm>
#include <utility>

#include "fltk/ButtonView.h"
#include "fltk/Colours.h"
#include "fltk/FrameView.h"
#include "fltk/LabelView.h"
#include "fltk/LineView.h"
#include "fltk/ToolkitImage.h"
#include "fltk/WindowHints.h"
#include "forms/Form.h"
#include "art/Images.h"

namespace ttt {

namespace {

// The layouts are drawn at the reference resolution, a twip being 1/15 pixel.
constexpr int kScreenDpi = 96;

}  // namespace

WindowView::WindowView(Form& form)
    : Fl_Double_Window(0, 0),
      form_(form),
      placed_(placeForm(form.layout(), kScreenDpi)),
      handCursor_(toolkitImage(handCursor())) {
  end();
  size(placed_.clientWidth, placed_.clientHeight);
  copy_label(form.layout().caption.c_str());
  color(toolkitColour(form.layout().backColour));
  // A fixed border: the size cannot change and there is nothing to maximise.
  size_range(w(), h(), w(), h());
  callback(&WindowView::closeRequested, this);
  buildControls();
  setIcons();
}

WindowView::~WindowView() { hide(); }

void WindowView::buildControls() {
  const std::size_t count = placed_.controls.size();
  widgets_.assign(count, nullptr);
  views_.assign(count, nullptr);
  // A frame exists before the controls that go into it; the toolkit draws children in the
  // order they were added, so the bottom-most goes in first.
  std::vector<std::size_t> bottomUp;
  for (std::size_t index = 0; index < count; ++index) {
    if (placed_.controls[index].layout->kind == ControlKind::Frame)
      widgets_[index] = createView(placed_.controls[index]);
    bottomUp.push_back(index);
  }
  std::ranges::sort(bottomUp, {},
                    [this](std::size_t index) { return placed_.controls[index].stacking; });
  for (std::size_t index : bottomUp) {
    const PlacedControl& placed = placed_.controls[index];
    if (widgets_[index] == nullptr) widgets_[index] = createView(placed);
    Fl_Group* frame = placed.container < 0
                          ? nullptr
                          : widgets_[static_cast<std::size_t>(placed.container)]->as_group();
    (frame != nullptr ? frame : static_cast<Fl_Group*>(this))->add(widgets_[index]);
    views_[index] = dynamic_cast<ControlView*>(widgets_[index]);
  }
  std::ranges::sort(tabOrder_, {}, [this](const ButtonView* button) {
    return placed_.controls[indexOf(button->control())].tabOrder;
  });
}

// A new view of a control, positioned in window pixels; the caller hands it to its
// container, which owns it from then on.
Fl_Widget* WindowView::createView(const PlacedControl& placed) {
  Control& control = *form_.controls()[static_cast<std::size_t>(&placed - placed_.controls.data())];
  const PixelRect box = inClientArea(placed_, placed);
  switch (placed.layout->kind) {
    case ControlKind::Frame:
      return new FrameView(control, box);
    case ControlKind::Button: {
      auto* button = new ButtonView(control, placed, box);
      tabOrder_.push_back(button);
      return button;
    }
    case ControlKind::Line:
      return new LineView(control,
                          {box.x + placed.line.x1, box.y + placed.line.y1, box.x + placed.line.x2,
                           box.y + placed.line.y2, placed.line.width});
    case ControlKind::Label:
      break;
  }
  return new LabelView(control, placed, box, handCursor_.get());
}

void WindowView::setIcons() {
  if (form_.layout().icon == WindowIcon::SmilingFace) {
    icons_.push_back(toolkitImage(smilingFaceIcon()));
  } else {
    icons_.push_back(toolkitImage(lightBulbIcon(32)));
    icons_.push_back(toolkitImage(lightBulbIcon(16)));
  }
  std::vector<const Fl_RGB_Image*> images;
  for (const auto& image : icons_) images.push_back(image.get());
  icons(images.data(), static_cast<int>(images.size()));
}

void WindowView::open() {
  centreOnWorkArea(*this);
  show();
  offerOnlyClose(*this);
  if (!form_.layout().taskbarButton) leaveTaskbar(*this);
  focusFirstButton();
}

void WindowView::close() {
  for (ControlView* view : views_) view->detach();
  hide();
}

std::size_t WindowView::indexOf(const Control& control) const {
  const auto& controls = form_.controls();
  const auto found =
      std::ranges::find_if(controls, [&](const auto& c) { return c.get() == &control; });
  return static_cast<std::size_t>(found - controls.begin());
}

Fl_Widget* WindowView::widget(const Control& control) const {
  const std::size_t index = indexOf(control);
  return index < widgets_.size() ? widgets_[index] : nullptr;
}

int WindowView::handle(int event) {
  if (event == FL_KEYBOARD && Fl::event_state(FL_CTRL | FL_ALT | FL_META) == 0) {
    switch (Fl::event_key()) {
      case FL_Tab:
        return moveFocus(Fl::event_state(FL_SHIFT) ? -1 : 1) ? 1 : 0;
      case FL_Left:
      case FL_Up:
        return moveFocus(-1) ? 1 : 0;
      case FL_Right:
      case FL_Down:
        return moveFocus(1) ? 1 : 0;
      default:
        break;
    }
  }
  return Fl_Double_Window::handle(event);
}

// Moves the focus to the next (or previous) button in tab order that can take it.
bool WindowView::moveFocus(int step) {
  const int count = static_cast<int>(tabOrder_.size());
  if (count == 0) return false;
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), Fl::focus());
  int index = current == tabOrder_.end() ? (step > 0 ? -1 : count)
                                         : static_cast<int>(current - tabOrder_.begin());
  for (int tried = 0; tried < count; ++tried) {
    index = ((index + step) % count + count) % count;
    ButtonView* next = tabOrder_[static_cast<std::size_t>(index)];
    if (next->visible_r() && next->active_r()) {
      next->take_focus();
      return true;
    }
  }
  return false;
}

void WindowView::focusFirstButton() {
  for (ButtonView* button : tabOrder_) {
    if (button->visible_r() && button->active_r()) {
      button->take_focus();
      return;
    }
  }
}

void WindowView::closeRequested(Fl_Widget* /*widget*/, void* data) {
  // The toolkit calls this for Escape too, which closes nothing here.
  if (Fl::event() != FL_CLOSE) return;
  static_cast<WindowView*>(data)->form_.requestClose();
}

}  // namespace ttt
