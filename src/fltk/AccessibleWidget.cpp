#include "fltk/AccessibleWidget.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>

#include <utility>

namespace ttt {

namespace {

struct PendingAction {
  std::shared_ptr<Fl_Widget_Tracker> window;
  std::function<void()> action;
};

void runPending(void* data) {
  const std::unique_ptr<PendingAction> pending(static_cast<PendingAction*>(data));
  if (!pending->window->deleted()) pending->action();
}

}  // namespace

AccessibleWidget::AccessibleWidget(std::shared_ptr<Fl_Widget_Tracker> window, Fl_Widget& widget,
                                   const Options& options)
    : AccessibleNode(options.role, options.hasAction),
      window_(std::move(window)),
      widget_(widget),
      focusable_(options.focusable) {}

bool AccessibleWidget::enabled() const { return widget_.active_r() != 0; }

void AccessibleWidget::addStates(AtkStateSet* states) const {
  if (!alive()) {
    atk_state_set_add_state(states, ATK_STATE_DEFUNCT);
    return;
  }
  if (enabled()) {
    atk_state_set_add_state(states, ATK_STATE_ENABLED);
    atk_state_set_add_state(states, ATK_STATE_SENSITIVE);
  }
  Fl_Window* window = widget_.as_window() != nullptr ? widget_.as_window() : widget_.window();
  if (widget_.visible()) atk_state_set_add_state(states, ATK_STATE_VISIBLE);
  if (widget_.visible_r() && window != nullptr && window->shown()) {
    atk_state_set_add_state(states, ATK_STATE_SHOWING);
  }
  if (focusable_) atk_state_set_add_state(states, ATK_STATE_FOCUSABLE);
  if (Fl::focus() == &widget_) atk_state_set_add_state(states, ATK_STATE_FOCUSED);
}

bool AccessibleWidget::screenExtents(int& x, int& y, int& width, int& height) const {
  if (!alive()) return false;
  // Widgets inside a window have window coordinates; a top-level window has screen ones.
  const Fl_Window* window = widget_.as_window() != nullptr ? nullptr : widget_.window();
  x = widget_.x() + (window != nullptr ? window->x() : 0);
  y = widget_.y() + (window != nullptr ? window->y() : 0);
  width = widget_.w();
  height = widget_.h();
  return true;
}

void AccessibleWidget::later(std::function<void()> action) const {
  Fl::add_timeout(0.0, runPending, new PendingAction{window_, std::move(action)});
}

}  // namespace ttt
