#include "fltk/AccessibleNode.h"

#include <algorithm>
#include <array>

#include "fltk/AccessibleObject.h"

namespace ttt {

namespace {

// The states that change while the program runs, and of which screen readers are told.
constexpr std::array<AtkStateType, 7> kTrackedStates{
    ATK_STATE_ENABLED, ATK_STATE_SENSITIVE, ATK_STATE_VISIBLE,  ATK_STATE_SHOWING,
    ATK_STATE_FOCUSED, ATK_STATE_ACTIVE,    ATK_STATE_FOCUSABLE};

constexpr std::uint64_t bitOf(AtkStateType state) {
  for (std::size_t i = 0; i < kTrackedStates.size(); ++i) {
    if (kTrackedStates[i] == state) return std::uint64_t{1} << i;
  }
  return 0;
}
constexpr std::uint64_t kFocusedBit = bitOf(ATK_STATE_FOCUSED);

std::uint64_t trackedStatesOf(const AccessibleNode& node) {
  AtkStateSet* states = atk_state_set_new();
  node.addStates(states);
  std::uint64_t mask = 0;
  for (std::size_t i = 0; i < kTrackedStates.size(); ++i) {
    if (atk_state_set_contains_state(states, kTrackedStates[i])) mask |= std::uint64_t{1} << i;
  }
  g_object_unref(states);
  return mask;
}

std::string textOf(const gchar* text) { return text != nullptr ? text : ""; }

}  // namespace

AccessibleNode::AccessibleNode(AtkRole role, bool hasAction)
    : object_(newAccessibleObject(*this, role, hasAction)) {}

AccessibleNode::~AccessibleNode() {
  // Children first, so that each goes defunct while its parent still stands.
  while (!children_.empty()) children_.pop_back();
  detachAccessibleObject(object_);
}

AccessibleNode* AccessibleNode::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  return children_[static_cast<std::size_t>(index)].get();
}

int AccessibleNode::indexInParent() const {
  if (parent_ == nullptr) return -1;
  const auto& siblings = parent_->children_;
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (siblings[i].get() == this) return static_cast<int>(i);
  }
  return -1;
}

bool AccessibleNode::screenExtents(int& /*x*/, int& /*y*/, int& /*width*/, int& /*height*/) const {
  return false;
}

AccessibleNode& AccessibleNode::adopt(std::unique_ptr<AccessibleNode> child, bool announce) {
  child->parent_ = this;
  atk_object_set_parent(child->object_, object_);
  children_.push_back(std::move(child));
  AccessibleNode& adopted = *children_.back();
  if (announce) {
    g_signal_emit_by_name(object_, "children-changed::add", childCount() - 1, adopted.object_);
  }
  return adopted;
}

void AccessibleNode::remove(int index) {
  AccessibleNode* gone = child(index);
  if (gone == nullptr) return;
  g_signal_emit_by_name(object_, "children-changed::remove", index, gone->object_);
  children_.erase(children_.begin() + index);
}

void AccessibleNode::sync() {
  syncName();
  syncStates();
  syncChildren();
}

void AccessibleNode::syncChildren() {
  for (const auto& child : children_) child->sync();
}

// Setting a name or description that differs makes ATK notify the bridge of the change.
void AccessibleNode::syncName() {
  const std::string name = currentName();
  if (name != textOf(atk_object_get_name(object_))) atk_object_set_name(object_, name.c_str());
  const std::string description = currentDescription();
  if (description != textOf(atk_object_get_description(object_))) {
    atk_object_set_description(object_, description.c_str());
  }
}

void AccessibleNode::syncStates() {
  const std::uint64_t now = trackedStatesOf(*this);
  // A new node's states are read along with it; of them only the focus is told, so that a
  // screen reader follows the focus into a window that has just opened.
  const std::uint64_t before = toldAny_ ? toldStates_ : now & ~kFocusedBit;
  for (std::size_t i = 0; i < kTrackedStates.size(); ++i) {
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (((now ^ before) & bit) != 0) {
      atk_object_notify_state_change(object_, kTrackedStates[i], (now & bit) != 0);
    }
  }
  toldStates_ = now;
  toldAny_ = true;
}

}  // namespace ttt
