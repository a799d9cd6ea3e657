#pragma once

#include <functional>
#include <string>
#include <utility>

#include "forms/Layout.h"

namespace ttt {

// A widget of a loaded window as plain state. Every setter that changes a value tells the
// observer at once, so that a view shows the change before anything that follows it.
class Control {
 public:
  using Observer = std::function<void(const Control&)>;

  explicit Control(const ControlLayout& layout);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlLayout& layout() const { return layout_; }
  const std::string& name() const { return name_; }  // "S(4)" for an array element
  ControlKind kind() const { return layout_.kind; }

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  bool visible() const { return visible_; }
  void setVisible(bool visible);
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);

  void setObserver(Observer observer) { observer_ = std::move(observer); }

 private:
  void notify();

  const ControlLayout& layout_;
  std::string name_;
  std::string caption_;
  bool visible_;
  bool enabled_;
  Observer observer_;
};

}  // namespace ttt
