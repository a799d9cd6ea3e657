#include "art/Canvas.h"
#include "art/Images.h"
#include "art/Shapes.h"

namespace ttt {

namespace {

constexpr int kIconSize = 32;
constexpr Rgba kFaceYellow{255, 221, 0};
constexpr Rgba kBlack{0, 0, 0};
constexpr Rgba kMouthRed{224, 0, 0};

// A smile: the lower part of a ring around a point just above the face's middle.
Shape mouth() {
  const Shape ring = edgeBand(circle({0.5, 0.47}, 0.27), 0.04);
  return intersect(ring, box(0.0, 0.60, 1.0, 1.0));
}

}  // namespace

PixelImage smilingFaceIcon() {
  Canvas canvas(kIconSize);
  canvas.fillOutlined(circle({0.5, 0.5}, 0.48), kFaceYellow, kBlack, 0.045);
  canvas.fill(ellipse({0.35, 0.36}, 0.06, 0.10), kBlack);
  canvas.fill(ellipse({0.65, 0.36}, 0.06, 0.10), kBlack);
  canvas.fill(convexPolygon({{0.5, 0.47}, {0.56, 0.59}, {0.44, 0.59}}), kBlack);
  canvas.fill(mouth(), kMouthRed);
  return canvas.image();
}

}  // namespace ttt
