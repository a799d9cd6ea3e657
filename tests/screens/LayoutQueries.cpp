#include "LayoutQueries.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "screens/Layouts.h"

namespace ttt::test {

namespace {

constexpr double kTwipsPerPixel = 15;

double halfPen(const TwipsLine& line) { return line.widthPixels * kTwipsPerPixel / 2; }

}  // namespace

Box LineGrid::cell(std::size_t column, std::size_t row) const {
  return {columns.at(column) + halfPen, rows.at(row) + halfPen, columns.at(column + 1) - halfPen,
          rows.at(row + 1) - halfPen};
}

std::vector<const FormLayout*> allLayouts() {
  return {&menuLayout(), &twoPlayerLayout(), &singlePlayerLayout()};
}

std::vector<const FormLayout*> gameLayouts() { return {&twoPlayerLayout(), &singlePlayerLayout()}; }

const ControlLayout& controlNamed(const FormLayout& form, std::string_view fullName) {
  for (const ControlLayout& control : form.controls) {
    if (control.fullName() == fullName) return control;
  }
  throw std::out_of_range(form.name + " has no control " + std::string(fullName));
}

std::size_t stackPosition(const FormLayout& form, std::string_view fullName) {
  return static_cast<std::size_t>(&controlNamed(form, fullName) - form.controls.data());
}

LineGrid lineGrid(const FormLayout& form, int first, int last) {
  LineGrid grid;
  for (int number = first; number <= last; ++number) {
    const TwipsLine& line = controlNamed(form, "Line" + std::to_string(number)).line;
    if (line.x1 == line.x2) grid.columns.push_back(line.x1);
    if (line.y1 == line.y2) grid.rows.push_back(line.y1);
    grid.halfPen = halfPen(line);
  }
  std::sort(grid.columns.begin(), grid.columns.end());
  std::sort(grid.rows.begin(), grid.rows.end());
  return grid;
}

Box areaOf(const ControlLayout& control) {
  const TwipsRect& r = control.rect;
  if (control.kind != ControlKind::Line) {
    return {static_cast<double>(r.left), static_cast<double>(r.top),
            static_cast<double>(r.left + r.width), static_cast<double>(r.top + r.height)};
  }
  const TwipsLine& l = control.line;
  return {std::min(l.x1, l.x2) - halfPen(l), std::min(l.y1, l.y2) - halfPen(l),
          std::max(l.x1, l.x2) + halfPen(l), std::max(l.y1, l.y2) + halfPen(l)};
}

Box containerArea(const FormLayout& form, const ControlLayout& control) {
  if (control.container.empty()) {
    return {0, 0, static_cast<double>(form.clientWidth), static_cast<double>(form.clientHeight)};
  }
  const TwipsRect& frame = controlNamed(form, control.container).rect;
  return {0, 0, static_cast<double>(frame.width), static_cast<double>(frame.height)};
}

bool overlaps(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool contains(const Box& outer, const Box& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Walks the segment in steps of a twip; fine enough for boxes hundreds of twips wide.
bool crosses(const TwipsLine& line, const Box& box) {
  const int steps = std::max(std::abs(line.x2 - line.x1), std::abs(line.y2 - line.y1));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0 : static_cast<double>(i) / steps;
    const double x = line.x1 + t * (line.x2 - line.x1);
    const double y = line.y1 + t * (line.y2 - line.y1);
    if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return true;
  }
  return false;
}

}  // namespace ttt::test
