// qt-window [TITLE]: the floor the game's start-up is measured against. A Qt Widgets window
// of the menu's size, in the classic "Windows" style, showing the menu's texts in the same
// faces and sizes, with nothing of the game behind it. Its "&EXIT" closes it, so that a walk
// can see keys reach it.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include <initializer_list>

namespace {

QFont comicNeue(int pixels, bool bold) {
  QFont font("Comic Neue");
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Windows");
  QWidget window;
  window.setWindowTitle(argc >= 2 ? QString::fromLocal8Bit(argv[1]) : "bare Qt window");
  window.setFixedSize(410, 164);
  QPalette black = window.palette();
  black.setColor(QPalette::Window, Qt::black);
  window.setPalette(black);
  window.setAutoFillBackground(true);

  auto* title = new QLabel("ORVANE'S TIC TAC TOE", &window);
  title->setFont(comicNeue(29, true));
  QPalette red = title->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  title->setPalette(red);
  title->move(8, 32);
  title->adjustSize();
  int left = 16;
  for (const char* caption : {"&ONE PLAYER", "&TWO PLAYER", "&EXIT"}) {
    auto* button = new QPushButton(caption, &window);
    button->setFont(comicNeue(16, false));
    button->setGeometry(left, 104, 121, 33);
    left += 128;
    if (QString(caption) == "&EXIT")
      QObject::connect(button, &QPushButton::clicked, &window, &QWidget::close);
  }
  window.show();
  return QApplication::exec();
}
