#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <map>
#include <utility>

#include "GameWindow.h"
#include "qt/dialogs/QtDialogs.h"

namespace ttt::test {
namespace {

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

// The board's first inner vertical grid line, at 112 px across and 120 px down the window at
// 96 dpi, as the window draws it at the screen's scale: its device pixels, first and count.
TEST(BoardPixels, GridLineIsDrawnAtTheDeviceResolution) {
  GameWindow game;
  ASSERT_TRUE(GameWindow::waitFor([&] { return game.window()->isVisible(); }));
  const QImage image = game.window()->grab().toImage();
  const qreal ratio = image.devicePixelRatio();
  const std::map<long, std::pair<int, int>> expected = {
      {96, {110, 4}}, {120, {138, 5}}, {144, {165, 6}}, {192, {220, 8}}};
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
}

// A cell key reaches the window before the focused button, even one the button would take
// (the keypad's 4 is Left with Num Lock off), and leaves the focus where it is.
TEST(Keys, CellKeysClickTheirCellsWhateverButtonHasTheFocus) {
  GameWindow game;
  auto* button = game.window()->findChild<QPushButton*>();
  ASSERT_NE(button, nullptr);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_5);
  QTest::keyClick(button, Qt::Key_Left, Qt::KeypadModifier);
  QTest::keyClick(button, Qt::Key_1, Qt::KeypadModifier);
  EXPECT_EQ(game.cell(4).caption(), "X");
  EXPECT_EQ(game.cell(3).caption(), "O");
  EXPECT_EQ(game.cell(6).caption(), "X");
  EXPECT_EQ(game.window()->focusWidget(), button);
}

// The result box opened from a timer's handler: modal, in the middle of the screen, one button,
// and opened once although the timers go on ticking in its loop.
TEST(Boxes, ResultBoxIsModalOnTheScreenCentreAndOpensOnce) {
  QtMessageBox box;
  GameWindow game(&box);
  int boxesSeen = 0;
  QString title;
  bool centred = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* open = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (open == nullptr || !open->isVisible()) return;
    if (open->property("seen").toBool()) {
      open->button(QMessageBox::Ok)->click();
      return;
    }
    open->setProperty("seen", true);
    ++boxesSeen;
    title = open->windowTitle();
    const QPoint middle = open->screen()->availableGeometry().center();
    centred = (open->geometry().center() - middle).manhattanLength() <= 2 && open->isModal() &&
              open->buttons().size() == 1;
  });
  poll.start(100);  // the second look, 100 ms of ticks later, closes it
  for (const int cell : {0, 3, 1, 4, 2}) game.cell(cell).click();
  ASSERT_TRUE(GameWindow::waitFor(
      [&] { return boxesSeen > 0 && QApplication::activeModalWidget() == nullptr; }));
  QTest::qWait(300);
  EXPECT_EQ(boxesSeen, 1);
  EXPECT_EQ(title, "Ann WON !");
  EXPECT_TRUE(centred);
}

// The input box answers the typed name on Enter, and "" on Escape.
TEST(Boxes, InputBoxAnswersTheNameOrNothing) {
  QtInputBox box("Orvane'S Tic Tac Toe !");
  const auto typeInto = [](const char* text, Qt::Key last) {
    QTimer::singleShot(0, [text, last] {
      auto* field = QApplication::activeModalWidget()->findChild<QLineEdit*>();
      QTest::keyClicks(field, QString::fromUtf8(text));
      QTest::keyClick(field, last);
    });
  };
  typeInto("Ann", Qt::Key_Return);
  EXPECT_EQ(box.ask("ENTER ' PLAYER A ' NAME"), "Ann");
  typeInto("Bob", Qt::Key_Escape);
  EXPECT_EQ(box.ask("ENTER ' PLAYER B ' NAME"), "");
}

}  // namespace
}  // namespace ttt::test
