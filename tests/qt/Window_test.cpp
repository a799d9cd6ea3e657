#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <cmath>
#include <map>
#include <utility>

#include "qt/app/QtWindows.h"
#include "qt/windows/FormWidget.h"
#include "shell/Application.h"
#include "twoplayer/Form1.h"
#include "support/Fakes.h"

namespace ttt::test {
namespace {

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

// The board's first inner vertical grid line, at 112 px across and 120 px down the window at
// 96 dpi, as the two-player window draws it at the screen's scale: its device pixels, first
// and count.
TEST(BoardPixels, GridLineIsDrawnAtTheDeviceResolution) {
  FakeServices fakes;
  fakes.inputBox.answer("Ann");
  fakes.inputBox.answer("Bob");
  QtWindows windows;
  Application app{fakes.services, windows};
  app.showTwoPlayer();
  auto* window = static_cast<FormWidget*>(windows.window(app.twoPlayer()));
  QElapsedTimer clock;
  clock.start();
  while (!window->isVisible() && clock.elapsed() < 5000) QApplication::processEvents();
  ASSERT_TRUE(window->isVisible());
  const QImage image = window->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const std::map<long, std::pair<int, int>> expected = {{96, {110, 4}}, {192, {220, 8}}};
  const auto want = expected.find(std::lround(96 * ratio));
  ASSERT_NE(want, expected.end()) << ratio;
  const int row = static_cast<int>(std::lround(120 * ratio));
  int first = -1;
  int width = 0;
  for (int column = static_cast<int>(100 * ratio); column < 124 * ratio; ++column) {
    if (!isRed(image.pixel(column, row))) continue;
    if (first < 0) first = column;
    ++width;
  }
  EXPECT_EQ(first, want->second.first);
  EXPECT_EQ(width, want->second.second);
  window->close();
}

}  // namespace
}  // namespace ttt::test
