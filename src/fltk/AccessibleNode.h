#pragma once

#include <atk/atk.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ttt {

// One thing a screen reader sees, shown to it as an ATK object of its own. A node answers
// ATK's questions from what is on screen now; sync() tells the accessibility bridge what
// changed since it last did (the name, the tracked states), so that screen readers hear of
// a mark, a score or the focus moving. A node owns its children; when it goes, its object
// goes defunct, since the bridge may still hold a reference to it.
class AccessibleNode {
 public:
  AccessibleNode(AtkRole role, bool hasAction);
  virtual ~AccessibleNode();
  AccessibleNode(const AccessibleNode&) = delete;
  AccessibleNode& operator=(const AccessibleNode&) = delete;

  AtkObject* object() const { return object_; }
  int childCount() const { return static_cast<int>(children_.size()); }
  AccessibleNode* child(int index) const;
  int indexInParent() const;

  // Tells the bridge of every change of name, description and tracked state in this node
  // and below it.
  virtual void sync();

  // ATK's questions, answered for the moment they are asked.
  virtual void addStates(AtkStateSet* states) const = 0;
  // The node's rectangle on the screen, in pixels; false when it has none.
  virtual bool screenExtents(int& x, int& y, int& width, int& height) const;
  // The node's one action: its name ("press", "click"), its key binding ("<Alt>n") and
  // doing it. Only nodes made with an action are asked.
  virtual const char* actionName() const { return "click"; }
  virtual std::string keyBinding() const { return {}; }
  virtual bool act() { return false; }

 protected:
  virtual std::string currentName() const = 0;
  virtual std::string currentDescription() const { return {}; }

  // Appends a child; `announce` tells the bridge, for children that come after the start.
  AccessibleNode& adopt(std::unique_ptr<AccessibleNode> child, bool announce);
  // Removes a child and tells the bridge.
  void remove(int index);
  void syncChildren();

 private:
  void syncName();
  void syncStates();

  AtkObject* object_;
  AccessibleNode* parent_ = nullptr;
  std::vector<std::unique_ptr<AccessibleNode>> children_;
  std::uint64_t toldStates_ = 0;
  bool toldAny_ = false;
};

}  // namespace ttt
