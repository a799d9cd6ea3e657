#include <algorithm>
#include <cmath>
#include <numbers>

#include "art/Canvas.h"
#include "art/Images.h"
#include "art/Shapes.h"

namespace ttt {

namespace {

constexpr Rgba kGlassYellow{255, 236, 40};
constexpr Rgba kGlassOutline{214, 140, 0};
constexpr Rgba kRayYellow{255, 200, 0};
constexpr Rgba kHighlight{255, 255, 210};
constexpr Rgba kFilament{230, 100, 0};
constexpr Rgba kMetal{190, 190, 196};
constexpr Rgba kMetalShadow{88, 88, 96};

constexpr Point kGlassCentre{0.5, 0.40};
constexpr double kGlassRadius = 0.25;

// The glass: a round top narrowing into a neck that meets the screw base.
Shape glass() {
  const Shape neck = convexPolygon({{0.34, 0.50}, {0.66, 0.50}, {0.61, 0.72}, {0.39, 0.72}});
  return unite(circle(kGlassCentre, kGlassRadius), neck);
}

// Short rays around the top half of the glass, from straight up to level on both sides.
void paintRays(Canvas& canvas, double halfWidth) {
  for (int degrees : {-90, -45, -135, 0, 180}) {
    const double angle = degrees * std::numbers::pi / 180.0;
    const double dx = std::cos(angle);
    const double dy = std::sin(angle);
    const Point inner{kGlassCentre.x + 0.32 * dx, kGlassCentre.y + 0.32 * dy};
    const Point outer{kGlassCentre.x + 0.44 * dx, kGlassCentre.y + 0.44 * dy};
    canvas.fill(stroke(inner, outer, halfWidth), kRayYellow);
  }
}

// The screw base: a grey band with a dark rim and a contact at the bottom; from 24 pixels up
// two darker threads. The rim and threads are as thick as one pixel of the 32-pixel icon, and
// the rim never thinner than one pixel, so larger icons are the same drawing at their size.
void paintBase(Canvas& canvas, int size) {
  const double pixelAt32 = 1.0 / 32;
  canvas.fillOutlined(box(0.36, 0.70, 0.64, 0.90), kMetal, kMetalShadow,
                      std::max(pixelAt32, 1.0 / size));
  if (size >= 24) {
    canvas.fill(box(0.37, 24 * pixelAt32, 0.63, 25 * pixelAt32), kMetalShadow);
    canvas.fill(box(0.37, 26 * pixelAt32, 0.63, 27 * pixelAt32), kMetalShadow);
  }
  canvas.fill(ellipse({0.5, 0.91}, 0.08, 0.05), kMetalShadow);
}

}  // namespace

PixelImage lightBulbIcon(int size) {
  Canvas canvas(size);
  if (size <= 0) return canvas.image();
  // Strokes stay at least about a pixel wide when the icon is small.
  const double pixel = 1.0 / size;
  const double thin = std::max(0.03, 0.55 * pixel);
  paintRays(canvas, thin);
  canvas.fillOutlined(glass(), kGlassYellow, kGlassOutline, std::max(0.04, pixel));
  canvas.fill(ellipse({0.40, 0.32}, 0.06, 0.09), kHighlight);
  if (size >= 24) {
    canvas.fill(stroke({0.44, 0.62}, {0.47, 0.46}, thin * 0.6), kFilament);
    canvas.fill(stroke({0.56, 0.62}, {0.53, 0.46}, thin * 0.6), kFilament);
    canvas.fill(stroke({0.47, 0.46}, {0.53, 0.46}, thin * 0.6), kFilament);
  }
  paintBase(canvas, size);
  return canvas.image();
}

}  // namespace ttt
