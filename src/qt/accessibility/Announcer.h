#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "screens/access/Announcements.h"

namespace ttt {

// What a window says to a screen reader unasked, the focus staying put: each announcement is a
// new hidden notification, which Orca speaks as it appears. Orca reads the text late, so each
// has an object of its own that a quick reply cannot rename first. Nothing is drawn.
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
  AnnouncementSequence sequence_;
};

// One announcement, as a screen reader finds it.
class Notice : public QWidget {
  Q_OBJECT

 public:
  Notice(const QString& text, QWidget& parent);
};

}  // namespace ttt
