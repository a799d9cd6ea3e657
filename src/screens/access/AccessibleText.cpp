#include "screens/access/AccessibleText.h"

#include <array>

#include "screens/layouts/BoardLayout.h"
#include "screens/text/CaptionMarkup.h"

namespace ttt {

namespace {

bool isCell(const ControlLayout& layout) {
  return layout.name == kCellArrayName && layout.index >= 0;
}

}  // namespace

AccessibleRole accessibleRole(const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::Button:
      return AccessibleRole::PushButton;
    case ControlKind::Frame:
      return AccessibleRole::Frame;
    case ControlKind::Line:
      return AccessibleRole::Line;
    case ControlKind::Label:
      break;
  }
  if (isCell(layout)) return AccessibleRole::Cell;
  return layout.link ? AccessibleRole::Link : AccessibleRole::Label;
}

std::string cellPlace(int index) {
  static constexpr std::array<std::string_view, 9> kPlaces{
      "top left",     "top middle",  "top right",     "middle left", "centre",
      "middle right", "bottom left", "bottom middle", "bottom right"};
  if (index < 0 || index >= static_cast<int>(kPlaces.size())) return {};
  return std::string(kPlaces[static_cast<std::size_t>(index)]);
}

std::string accessibleName(const ControlLayout& layout, std::string_view caption) {
  if (isCell(layout)) {
    return cellPlace(layout.index) + ", " + (caption.empty() ? "empty" : std::string(caption));
  }
  if (layout.kind == ControlKind::Frame && layout.name == kBoardFrameName) return "Board";
  if (layout.kind == ControlKind::Button) return parseCaption(caption).text;
  return std::string(caption);
}

}  // namespace ttt
