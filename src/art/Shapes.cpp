#include "art/Shapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace ttt {

namespace {

double length(double x, double y) { return std::hypot(x, y); }

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

}  // namespace

Shape circle(Point centre, double radius) {
  return [=](double x, double y) { return length(x - centre.x, y - centre.y) - radius; };
}

Shape ellipse(Point centre, double radiusX, double radiusY) {
  const double smaller = std::min(radiusX, radiusY);
  return [=](double x, double y) {
    const double scaled = length((x - centre.x) / radiusX, (y - centre.y) / radiusY);
    return (scaled - 1.0) * smaller;
  };
}

Shape stroke(Point from, Point to, double halfWidth) {
  return [=](double x, double y) { return segmentDistance({x, y}, from, to) - halfWidth; };
}

Shape convexPolygon(std::vector<Point> corners) {
  return [corners = std::move(corners)](double x, double y) {
    double nearestEdge = std::numeric_limits<double>::max();
    bool inside = true;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i];
      const Point b = corners[(i + 1) % corners.size()];
      nearestEdge = std::min(nearestEdge, segmentDistance({x, y}, a, b));
      // With clockwise corners on a y-down screen the inside lies right of every edge.
      const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
      if (cross < 0) inside = false;
    }
    return inside ? -nearestEdge : nearestEdge;
  };
}

Shape box(double left, double top, double right, double bottom) {
  return convexPolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

Shape unite(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) {
    return std::min(a(x, y), b(x, y));
  };
}

Shape intersect(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) {
    return std::max(a(x, y), b(x, y));
  };
}

Shape edgeBand(Shape shape, double halfWidth) {
  return [shape = std::move(shape), halfWidth](double x, double y) {
    return std::abs(shape(x, y)) - halfWidth;
  };
}

Shape grown(Shape shape, double margin) {
  return [shape = std::move(shape), margin](double x, double y) { return shape(x, y) - margin; };
}

}  // namespace ttt
