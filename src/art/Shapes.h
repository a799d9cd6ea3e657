#pragma once

#include <functional>
#include <vector>

namespace ttt {

// A shape as a signed distance: negative inside, positive outside, zero on the edge. Points
// are in picture units, where the picture spans 0 to 1 both across and down.
using Shape = std::function<double(double x, double y)>;

struct Point {
  double x = 0;
  double y = 0;
};

Shape circle(Point centre, double radius);
// An ellipse; its distance is exact on the axes and close enough elsewhere for filling.
Shape ellipse(Point centre, double radiusX, double radiusY);
// A straight stroke with round ends.
Shape stroke(Point from, Point to, double halfWidth);
// A convex polygon whose corners run clockwise on screen (y down).
Shape convexPolygon(std::vector<Point> corners);
Shape box(double left, double top, double right, double bottom);

Shape unite(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
// The band of the given half width on either side of the shape's edge.
Shape edgeBand(Shape shape, double halfWidth);
// The shape grown outwards (or shrunk, for a negative margin) by the margin.
Shape grown(Shape shape, double margin);

}  // namespace ttt
