#include "qt/windows/LineWidget.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

#include "qt/system/ClassicLook.h"

namespace ttt {

LineWidget::LineWidget(Control& control, const PlacedControl& placed, QWidget* parent)
    : ControlWidget(control, placed, parent) {
  const PixelLine& line = placed.line;
  // The widget's box covers the line and its width, so that a repaint of that area draws it.
  const int left = std::min(line.x1, line.x2) - line.width;
  const int top = std::min(line.y1, line.y2) - line.width;
  setGeometry(placed.rect.x + left, placed.rect.y + top,
              std::abs(line.x2 - line.x1) + 2 * line.width + 1,
              std::abs(line.y2 - line.y1) + 2 * line.width + 1);
  line_ = {line.x1 - left, line.y1 - top, line.x2 - left, line.y2 - top, line.width};
  setAttribute(Qt::WA_TransparentForMouseEvents);
  watch();
}

// A pen of width w along y covers the w rows from y - w / 2, as the classic pens do; an odd
// width is centred on the middle of its row.
void LineWidget::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QPen pen(qtColour(control().layout().foreColour), line_.width);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  const qreal centre = line_.width % 2 == 1 ? 0.5 : 0.0;
  painter.drawLine(QPointF(line_.x1 + centre, line_.y1 + centre),
                   QPointF(line_.x2 + centre, line_.y2 + centre));
}

}  // namespace ttt
