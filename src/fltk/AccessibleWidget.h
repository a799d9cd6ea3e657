#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>

#include <functional>
#include <memory>

#include "fltk/AccessibleNode.h"

namespace ttt {

// A node that stands for one widget of a top-level window, or for the window itself. The
// window may be deleted while the bridge still asks about the node (between the toolkit's
// deleting it and the next sync, which drops the node): every question first checks the
// window's tracker, shared by all the window's nodes, and a deleted window's nodes answer
// as defunct.
class AccessibleWidget : public AccessibleNode {
 public:
  struct Options {
    AtkRole role = ATK_ROLE_UNKNOWN;
    bool focusable = false;
    bool hasAction = false;
  };

  AccessibleWidget(std::shared_ptr<Fl_Widget_Tracker> window, Fl_Widget& widget,
                   const Options& options);

  void addStates(AtkStateSet* states) const override;
  bool screenExtents(int& x, int& y, int& width, int& height) const override;

  // Whether the window, and so the widget, still exists.
  bool alive() const { return !window_->deleted(); }

 protected:
  Fl_Widget& widget() const { return widget_; }
  const std::shared_ptr<Fl_Widget_Tracker>& windowTracker() const { return window_; }
  // Whether the widget takes input now; by default as the toolkit has it.
  virtual bool enabled() const;
  // Runs `action` once the toolkit is back in its loop, if the window still exists then: a
  // screen reader's request may open a modal box, which must not run inside the request.
  void later(std::function<void()> action) const;

 private:
  std::shared_ptr<Fl_Widget_Tracker> window_;
  Fl_Widget& widget_;
  bool focusable_;
};

}  // namespace ttt
