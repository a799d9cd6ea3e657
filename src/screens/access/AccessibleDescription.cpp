#include "screens/access/AccessibleDescription.h"

#include <algorithm>
#include <utility>

#include "forms/ClickReach.h"
#include "forms/Form.h"
#include "screens/text/CaptionMarkup.h"

namespace ttt {

namespace {

// The parts of the window in the order they are read.
enum class Part { Players, Board, Commands, Addresses };

using Controls = std::vector<Control*>;

// Top-level labels sorted into rows: a label whose extent overlaps the row's, from top to
// bottom, joins it. Then each row from the left.
std::vector<Controls> rowsOf(Controls controls) {
  std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
    return a->layout().rect.top < b->layout().rect.top;
  });
  std::vector<Controls> rows;
  int rowBottom = 0;
  for (Control* control : controls) {
    const TwipsRect& rect = control->layout().rect;
    if (rows.empty() || rect.top >= rowBottom) {
      rows.emplace_back();
      rowBottom = rect.top + rect.height;
    }
    rows.back().push_back(control);
    rowBottom = std::max(rowBottom, rect.top + rect.height);
  }
  for (Controls& row : rows) {
    std::stable_sort(row.begin(), row.end(), [](const Control* a, const Control* b) {
      return a->layout().rect.left < b->layout().rect.left;
    });
  }
  return rows;
}

bool holdsLink(const Controls& row) {
  return std::any_of(row.begin(), row.end(), [](const Control* c) { return c->layout().link; });
}

// Lines draw; the hidden labels hold the window's own state.
bool isRead(const ControlLayout& layout) {
  if (layout.kind == ControlKind::Line) return false;
  return layout.kind != ControlKind::Label || layout.visible;
}

}  // namespace

AccessibleDescription::AccessibleDescription(Form& form) : form_(form) {
  Controls labels;
  Controls frames;
  Controls buttons;
  for (const auto& control : form.controls()) {
    const ControlLayout& layout = control->layout();
    if (!isRead(layout) || !layout.container.empty()) continue;
    if (layout.kind == ControlKind::Label) labels.push_back(control.get());
    if (layout.kind == ControlKind::Frame) frames.push_back(control.get());
    if (layout.kind == ControlKind::Button) buttons.push_back(control.get());
  }
  std::stable_sort(buttons.begin(), buttons.end(), [](const Control* a, const Control* b) {
    return a->layout().tabIndex < b->layout().tabIndex;
  });
  const std::vector<Controls> rows = rowsOf(labels);
  addRows(rows, false);
  for (Control* frame : frames) addFrame(*frame);
  for (Control* button : buttons) add(*button, -1);
  addRows(rows, true);
}

void AccessibleDescription::add(Control& control, int parent) {
  items_.push_back({&control, accessibleRole(control.layout()), parent});
}

void AccessibleDescription::addRows(const std::vector<std::vector<Control*>>& rows,
                                    bool withLinks) {
  for (const Controls& row : rows) {
    if (holdsLink(row) != withLinks) continue;
    for (Control* label : row) add(*label, -1);
  }
}

// The frame, then what it holds, row by row.
void AccessibleDescription::addFrame(Control& frame) {
  const int place = static_cast<int>(items_.size());
  add(frame, -1);
  Controls inside;
  for (const auto& control : form_.controls()) {
    const ControlLayout& layout = control->layout();
    if (isRead(layout) && layout.container == frame.layout().fullName())
      inside.push_back(control.get());
  }
  for (const Controls& row : rowsOf(inside)) {
    for (Control* control : row) add(*control, place);
  }
}

const std::string& AccessibleDescription::windowName() const { return form_.layout().caption; }

std::vector<std::size_t> AccessibleDescription::childrenOf(int parent) const {
  std::vector<std::size_t> children;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].parent == parent) children.push_back(i);
  }
  return children;
}

std::optional<std::size_t> AccessibleDescription::placeOf(const Control& control) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].control == &control) return i;
  }
  return std::nullopt;
}

std::optional<std::string> AccessibleDescription::name(const AccessibleItem& item) const {
  if (!form_.isLoaded()) return std::nullopt;
  return accessibleName(item.control->layout(), item.control->caption());
}

AccessibleStates AccessibleDescription::states(const AccessibleItem& item) const {
  AccessibleStates states;
  if (!form_.isLoaded()) return states;
  states.showing = item.control->visible();
  for (int parent = item.parent; parent >= 0 && states.showing;
       parent = items_[static_cast<std::size_t>(parent)].parent) {
    states.showing = items_[static_cast<std::size_t>(parent)].control->visible();
  }
  states.enabled = clickReaches(form_, *item.control);
  states.focusable = item.role == AccessibleRole::PushButton;
  return states;
}

std::optional<char> AccessibleDescription::accessKey(const AccessibleItem& item) const {
  if (item.role != AccessibleRole::PushButton) return std::nullopt;
  const ControlLayout& layout = item.control->layout();
  return parseCaption(form_.isLoaded() ? item.control->caption() : layout.caption).accessKey;
}

bool AccessibleDescription::pressable(const AccessibleItem& item) {
  return item.role == AccessibleRole::PushButton || item.role == AccessibleRole::Link ||
         item.role == AccessibleRole::Cell;
}

}  // namespace ttt
