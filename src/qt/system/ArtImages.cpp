#include "qt/system/ArtImages.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "art/Images.h"

namespace ttt {

namespace {

QPixmap toPixmap(const PixelImage& picture, qreal devicePixelRatio) {
  QImage image(picture.width, picture.height, QImage::Format_RGBA8888);
  image.fill(Qt::transparent);
  // Short pixel data would be read past its end: the missing pixels stay transparent.
  const auto bytes = std::min(picture.rgba.size(), static_cast<std::size_t>(image.sizeInBytes()));
  std::copy_n(picture.rgba.begin(), bytes, image.bits());
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

int devicePixels(int logical, qreal devicePixelRatio) {
  return std::max(1, static_cast<int>(std::lround(logical * devicePixelRatio)));
}

}  // namespace

QIcon windowIcon(WindowIcon icon, qreal devicePixelRatio) {
  QIcon shown;
  if (icon == WindowIcon::SmilingFace)
    shown.addPixmap(toPixmap(smilingFaceIcon(devicePixels(32, devicePixelRatio)), 1));
  else
    for (const int size : {16, 32})
      shown.addPixmap(toPixmap(lightBulbIcon(devicePixels(size, devicePixelRatio)), 1));
  return shown;
}

QCursor handCursor(qreal devicePixelRatio) {
  const QPixmap hand = toPixmap(handCursor(devicePixels(32, devicePixelRatio)), devicePixelRatio);
  return QCursor(hand, kHandCursorHotSpotX, kHandCursorHotSpotY);
}

}  // namespace ttt
