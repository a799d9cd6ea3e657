#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "forms/Layout.h"

namespace ttt::test {

// An area in twips, right and bottom exclusive.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// A table drawn with straight lines: where its verticals and horizontals run, sorted from the
// top left, and the half width of their pen.
struct LineGrid {
  std::vector<int> columns;
  std::vector<int> rows;
  double halfPen = 0;
  // The inside of one cell of the table, clear of the lines around it.
  Box cell(std::size_t column, std::size_t row) const;
};

std::vector<const FormLayout*> allLayouts();
std::vector<const FormLayout*> gameLayouts();

// The control with this full name ("S(4)"); throws, failing the test, when the window has none.
const ControlLayout& controlNamed(const FormLayout& form, std::string_view fullName);
// Where the control stands in the stacking order, 0 being the topmost; throws when missing.
std::size_t stackPosition(const FormLayout& form, std::string_view fullName);
// The table drawn by the lines numbered first to last ("Line1" to "Line8").
LineGrid lineGrid(const FormLayout& form, int first, int last);

// The area a control covers; for a line, its end points widened by half the pen.
Box areaOf(const ControlLayout& control);
// The client area of the control's container, in the container's own coordinates.
Box containerArea(const FormLayout& form, const ControlLayout& control);

bool overlaps(const Box& a, const Box& b);
bool contains(const Box& outer, const Box& inner);
// Whether the segment between the line's end points passes through the box.
bool crosses(const TwipsLine& line, const Box& box);

}  // namespace ttt::test
