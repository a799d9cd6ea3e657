#include "fltk/WindowView.h"

#include <FL/Fl.H>

#include <algorithm>
#include <utility>

#include "fltk/ButtonView.h"
#include "fltk/CellKeyEvent.h"
#include "fltk/Colours.h"
#include "fltk/FrameView.h"
#include "fltk/LabelView.h"
#include "fltk/LineView.h"
#include "fltk/ToolkitImage.h"
#include "fltk/Units.h"
#include "fltk/WindowHints.h"
#include "forms/Form.h"
#include "screens/CellKeyPress.h"
#include "screens/Images.h"

namespace ttt {

namespace {

struct PixelPoint {
  int x = 0;
  int y = 0;
};

const ControlLayout* findLayout(const FormLayout& form, const std::string& fullName) {
  for (const ControlLayout& control : form.controls) {
    if (control.fullName() == fullName) return &control;
  }
  return nullptr;
}

// The top left corner of a container in window pixels: frames may sit inside frames.
PixelPoint originOf(const FormLayout& form, const std::string& container) {
  PixelPoint origin;
  const ControlLayout* frame = findLayout(form, container);
  for (std::size_t depth = 0; frame != nullptr && depth < form.controls.size(); ++depth) {
    origin.x += twipsToPixels(frame->rect.left);
    origin.y += twipsToPixels(frame->rect.top);
    frame = findLayout(form, frame->container);
  }
  return origin;
}

}  // namespace

WindowView::WindowView(Form& form)
    : Fl_Double_Window(twipsToPixels(form.layout().clientWidth),
                       twipsToPixels(form.layout().clientHeight)),
      form_(form),
      handCursor_(toolkitImage(handCursor())) {
  end();
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
  // A frame exists before the controls that go into it, and joins its own container when
  // its turn in the stacking order comes.
  std::map<std::string, std::unique_ptr<Fl_Group>> frames;
  for (const auto& control : form_.controls()) {
    const ControlLayout& layout = control->layout();
    if (layout.kind != ControlKind::Frame) continue;
    const PixelPoint origin = originOf(form_.layout(), layout.container);
    auto frame = std::make_unique<FrameView>(
        origin.x + twipsToPixels(layout.rect.left), origin.y + twipsToPixels(layout.rect.top),
        twipsToPixels(layout.rect.width), twipsToPixels(layout.rect.height),
        toolkitColour(layout.backColour));
    entries_[control->name()] = {frame.get(), frame.get()};
    frames[control->name()] = std::move(frame);
  }
  // The layout lists the topmost control first and the toolkit draws children in the order
  // they were added, so the bottom one goes in first.
  const auto& controls = form_.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) place(**it, frames);
  std::stable_sort(
      tabOrder_.begin(), tabOrder_.end(),
      [](const ButtonView* a, const ButtonView* b) { return a->tabIndex() < b->tabIndex(); });
}

void WindowView::place(const Control& control,
                       std::map<std::string, std::unique_ptr<Fl_Group>>& frames) {
  const ControlLayout& layout = control.layout();
  Fl_Group& container = containerOf(layout);
  if (layout.kind == ControlKind::Frame) {
    container.add(frames.at(control.name()).release());
  } else {
    Fl_Widget* widget = createView(layout, container);
    container.add(widget);
    entries_[control.name()] = {widget, dynamic_cast<ControlView*>(widget)};
  }
  entries_.at(control.name()).view->apply(control);
}

// A new view of a control other than a frame, positioned in window pixels; the caller hands
// it to its container, which owns it from then on.
Fl_Widget* WindowView::createView(const ControlLayout& layout, Fl_Group& container) {
  const int originX = &container == this ? 0 : container.x();
  const int originY = &container == this ? 0 : container.y();
  const int left = originX + twipsToPixels(layout.rect.left);
  const int top = originY + twipsToPixels(layout.rect.top);
  switch (layout.kind) {
    case ControlKind::Button: {
      auto* button = new ButtonView(form_, layout, left, top, twipsToPixels(layout.rect.width),
                                    twipsToPixels(layout.rect.height));
      tabOrder_.push_back(button);
      return button;
    }
    case ControlKind::Line:
      return new LineView(layout, originX, originY);
    case ControlKind::Label:
    case ControlKind::Frame:
      break;
  }
  return new LabelView(form_, layout, left, top, handCursor_.get());
}

Fl_Group& WindowView::containerOf(const ControlLayout& layout) {
  if (layout.container.empty()) return *this;
  const auto found = entries_.find(layout.container);
  Fl_Group* frame = found != entries_.end() ? found->second.widget->as_group() : nullptr;
  return frame != nullptr ? *frame : *this;
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

void WindowView::apply(const Control& control) {
  const auto found = entries_.find(control.name());
  if (found == entries_.end() || found->second.view == nullptr) return;
  found->second.view->apply(control);
}

Fl_Widget* WindowView::widget(std::string_view fullName) const {
  const auto found = entries_.find(fullName);
  return found == entries_.end() ? nullptr : found->second.widget;
}

int WindowView::handle(int event) {
  // A cell key reaches the window whichever button has the focus, and leaves it there.
  if (event == FL_KEYBOARD || event == FL_SHORTCUT) {
    if (const auto key = cellKeyOfEvent(); key && pressCellKey(form_, *key)) return 1;
  }
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
