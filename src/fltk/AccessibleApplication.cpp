#include "fltk/AccessibleApplication.h"

#include <FL/Fl.H>

#include <algorithm>
#include <memory>

#include "fltk/AccessibleDialog.h"
#include "fltk/AccessibleFormWindow.h"
#include "fltk/DialogWindow.h"
#include "fltk/WindowView.h"

namespace ttt {

namespace {

// The node for a window of ours; null for any other (a tooltip, say).
std::unique_ptr<AccessibleWidget> nodeFor(Fl_Window& window) {
  if (auto* form = dynamic_cast<WindowView*>(&window)) {
    return std::make_unique<AccessibleFormWindow>(*form);
  }
  if (auto* dialog = dynamic_cast<DialogWindow*>(&window)) {
    return std::make_unique<AccessibleDialog>(*dialog);
  }
  return nullptr;
}

bool onScreen(const Fl_Window* window) {
  for (Fl_Window* shown = Fl::first_window(); shown != nullptr; shown = Fl::next_window(shown)) {
    if (shown == window) return true;
  }
  return false;
}

}  // namespace

AccessibleApplication::AccessibleApplication(std::string name)
    : AccessibleNode(ATK_ROLE_APPLICATION, false), name_(std::move(name)) {}

void AccessibleApplication::sync() {
  dropGoneWindows();
  addNewWindows();
  AccessibleNode::sync();
}

// A window that was deleted, or hidden, leaves; its address is compared only while its node
// says it is alive, since a new window may take a deleted one's address.
void AccessibleApplication::dropGoneWindows() {
  for (int i = childCount() - 1; i >= 0; --i) {
    const auto* node = static_cast<const AccessibleWidget*>(child(i));
    const std::size_t index = static_cast<std::size_t>(i);
    if (node->alive() && onScreen(windows_[index])) continue;
    remove(i);
    windows_.erase(windows_.begin() + i);
  }
}

void AccessibleApplication::addNewWindows() {
  for (Fl_Window* shown = Fl::first_window(); shown != nullptr; shown = Fl::next_window(shown)) {
    if (std::find(windows_.begin(), windows_.end(), shown) != windows_.end()) continue;
    std::unique_ptr<AccessibleWidget> node = nodeFor(*shown);
    if (!node) continue;
    adopt(std::move(node), true);
    windows_.push_back(shown);
  }
}

}  // namespace ttt
