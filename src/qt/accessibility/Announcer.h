#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace ttt {

// What a window says to a screen reader unasked, while the focus stays where it is. Each
// announcement is a new hidden, zero-size child that screen readers see as a notification,
// and they are told it has appeared, which Orca speaks at once. Orca reads the text only when
// it gets to the event, so each announcement keeps an object of its own: the computer's reply,
// a millisecond after the player's mark, would otherwise rename the first before it is read.
// Nothing is drawn, nothing takes the focus, and without a screen reader nothing is made.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  // The announcer of `window`, made the first time it is asked for.
  static Announcer& of(QWidget& window);
  void announce(const QString& text);

 private:
  explicit Announcer(QWidget& window);

  QPointer<QWidget> previous_;
  QPointer<QWidget> last_;
  QString lastText_;
  QElapsedTimer lastTime_;
};

// One announcement, as a screen reader finds it.
class Notice : public QWidget {
  Q_OBJECT

 public:
  Notice(const QString& text, QWidget& parent);
};

}  // namespace ttt
