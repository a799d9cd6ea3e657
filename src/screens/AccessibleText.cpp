#include "screens/AccessibleText.h"

#include <array>
#include <cctype>

#include "screens/BoardLayout.h"

namespace ttt {

namespace {

bool isCell(const ControlLayout& layout) {
  return layout.name == kCellArrayName && layout.index >= 0;
}

// "&&" stands for one '&'; a single '&' marks the next letter as the access key.
std::string withoutAccessMarker(std::string_view caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
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
  if (layout.kind == ControlKind::Button) return withoutAccessMarker(caption);
  return std::string(caption);
}

std::optional<char> accessKey(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
  }
  return std::nullopt;
}

}  // namespace ttt
