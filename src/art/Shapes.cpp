#include "art/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace ttt {

namespace {

double length(double x, double y) { return std::sqrt(x * x + y * y); }

// Distance from p to the segment a-b.
double segmentDistance(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = 0;
  if (lengthSquared > 0) t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
  t = std::clamp(t, 0.0, 1.0);
  return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The box around the points, widened by the margin on every side (never narrowed).
Bounds around(const std::vector<Point>& points, double margin) {
  constexpr double kFar = std::numeric_limits<double>::max();
  Point low{kFar, kFar};
  Point high{-kFar, -kFar};
  for (const Point& p : points) {
    low = {std::min(low.x, p.x), std::min(low.y, p.y)};
    high = {std::max(high.x, p.x), std::max(high.y, p.y)};
  }
  const double grow = std::max(margin, 0.0);
  return {{low.x - grow, low.y - grow}, {high.x + grow, high.y + grow}};
}

Bounds aroundCentre(Point centre, double radiusX, double radiusY) {
  radiusX = std::max(radiusX, 0.0);
  radiusY = std::max(radiusY, 0.0);
  return {{centre.x - radiusX, centre.y - radiusY}, {centre.x + radiusX, centre.y + radiusY}};
}

// The box around two boxes (either), or the box they share (both).
constexpr bool kEither = true;
constexpr bool kBoth = false;
Bounds combined(const Bounds& a, const Bounds& b, bool either) {
  const auto low = [either](double p, double q) {
    return either ? std::min(p, q) : std::max(p, q);
  };
  const auto high = [either](double p, double q) {
    return either ? std::max(p, q) : std::min(p, q);
  };
  return {{low(a.topLeft.x, b.topLeft.x), low(a.topLeft.y, b.topLeft.y)},
          {high(a.bottomRight.x, b.bottomRight.x), high(a.bottomRight.y, b.bottomRight.y)}};
}

}  // namespace

double Shape::distance(Point p) const {
  switch (kind_) {
    case Kind::Circle:
      return length(p.x - points_[0].x, p.y - points_[0].y) - first_;
    case Kind::Ellipse: {
      const double scaled = length((p.x - points_[0].x) / first_, (p.y - points_[0].y) / second_);
      return (scaled - 1.0) * std::min(first_, second_);
    }
    case Kind::Stroke:
      return segmentDistance(p, points_[0], points_[1]) - first_;
    case Kind::Polygon:
      return polygonDistance(p);
    case Kind::Unite:
      return std::min(a_->distance(p), b_->distance(p));
    case Kind::Intersect:
      return std::max(a_->distance(p), b_->distance(p));
    case Kind::EdgeBand:
      return std::abs(a_->distance(p)) - first_;
    case Kind::Grown:
      return a_->distance(p) - first_;
  }
  return std::numeric_limits<double>::max();
}

double Shape::polygonDistance(Point p) const {
  double nearestEdge = std::numeric_limits<double>::max();
  bool inside = true;
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const Point a = points_[i];
    const Point b = points_[(i + 1) % points_.size()];
    nearestEdge = std::min(nearestEdge, segmentDistance(p, a, b));
    // With clockwise corners on a y-down screen the inside lies right of every edge.
    const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (cross < 0) inside = false;
  }
  return inside ? -nearestEdge : nearestEdge;
}

Bounds Shape::bounds(double margin) const {
  switch (kind_) {
    case Kind::Circle:
      return aroundCentre(points_[0], first_ + margin, first_ + margin);
    case Kind::Ellipse: {
      // The distance is scaled by the smaller radius, so the margin stretches along the other.
      const double stretch = 1.0 + margin / std::min(first_, second_);
      return aroundCentre(points_[0], first_ * stretch, second_ * stretch);
    }
    case Kind::Stroke:
      return around(points_, first_ + margin);
    case Kind::Polygon:
      return around(points_, margin);
    case Kind::Unite:
      return combined(a_->bounds(margin), b_->bounds(margin), kEither);
    case Kind::Intersect:
      return combined(a_->bounds(margin), b_->bounds(margin), kBoth);
    case Kind::EdgeBand:
    case Kind::Grown:
      return a_->bounds(first_ + margin);
  }
  return {};
}

Shape circle(Point centre, double radius) {
  Shape shape(Shape::Kind::Circle);
  shape.points_ = {centre};
  shape.first_ = radius;
  return shape;
}

Shape ellipse(Point centre, double radiusX, double radiusY) {
  Shape shape(Shape::Kind::Ellipse);
  shape.points_ = {centre};
  shape.first_ = radiusX;
  shape.second_ = radiusY;
  return shape;
}

Shape stroke(Point from, Point to, double halfWidth) {
  Shape shape(Shape::Kind::Stroke);
  shape.points_ = {from, to};
  shape.first_ = halfWidth;
  return shape;
}

Shape convexPolygon(std::vector<Point> corners) {
  Shape shape(Shape::Kind::Polygon);
  shape.points_ = std::move(corners);
  return shape;
}

Shape box(double left, double top, double right, double bottom) {
  return convexPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

Shape unite(Shape a, Shape b) {
  Shape shape(Shape::Kind::Unite);
  shape.a_ = std::make_shared<const Shape>(std::move(a));
  shape.b_ = std::make_shared<const Shape>(std::move(b));
  return shape;
}

Shape intersect(Shape a, Shape b) {
  Shape shape(Shape::Kind::Intersect);
  shape.a_ = std::make_shared<const Shape>(std::move(a));
  shape.b_ = std::make_shared<const Shape>(std::move(b));
  return shape;
}

Shape edgeBand(Shape shape, double halfWidth) {
  Shape band(Shape::Kind::EdgeBand);
  band.a_ = std::make_shared<const Shape>(std::move(shape));
  band.first_ = halfWidth;
  return band;
}

Shape grown(Shape shape, double margin) {
  Shape bigger(Shape::Kind::Grown);
  bigger.a_ = std::make_shared<const Shape>(std::move(shape));
  bigger.first_ = margin;
  return bigger;
}

}  // namespace ttt
