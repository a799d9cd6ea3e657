#pragma once

#include <memory>
#include <vector>

namespace ttt {

struct Point {
  double x = 0;
  double y = 0;
};

// A box in picture units, from its top left to its bottom right corner.
struct Bounds {
  Point topLeft;
  Point bottomRight;
};

// A shape as a signed distance: negative inside, positive outside, zero on the edge. Points
// are in picture units, where the picture spans 0 to 1 both across and down. The distance
// never grows faster than the true distance to the edge, so a point whose distance exceeds
// a margin lies at least that far from the edge; the canvas relies on this to sample only
// near edges. A shape is a small tree of values evaluated directly, with no indirect call
// per point.
class Shape {
 public:
  double distance(Point p) const;
  // A box holding every point whose distance is at most the margin.
  Bounds bounds(double margin = 0) const;

 private:
  enum class Kind { Circle, Ellipse, Stroke, Polygon, Unite, Intersect, EdgeBand, Grown };

  friend Shape circle(Point centre, double radius);
  friend Shape ellipse(Point centre, double radiusX, double radiusY);
  friend Shape stroke(Point from, Point to, double halfWidth);
  friend Shape convexPolygon(std::vector<Point> corners);
  friend Shape unite(Shape a, Shape b);
  friend Shape intersect(Shape a, Shape b);
  friend Shape edgeBand(Shape shape, double halfWidth);
  friend Shape grown(Shape shape, double margin);

  explicit Shape(Kind kind) : kind_(kind) {}
  double polygonDistance(Point p) const;

  Kind kind_;
  std::vector<Point> points_;  // centre; stroke ends; polygon corners
  double first_ = 0;           // radius, x radius, half width or margin
  double second_ = 0;          // y radius
  std::shared_ptr<const Shape> a_, b_;
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
